// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// scores.txt: twenty lines, for each entry from index 0 up its score, then
// its name between double quotes. Written as UTF-8 with CR LF.

#include <string>
#include <string_view>

#include "storage/scores_table.h"

namespace gyrock {

struct ScoresParse {
    HallOfFame table;
    // The text was not what we write: something may not have been read,
    // so the original must be kept before it is replaced.
    bool damaged = false;
};

// Reads as far as the text is valid; every entry after that keeps score 0
// and an empty name. `truncated` says the text is only the start of a
// larger file.
ScoresParse parseScores(std::string_view bytes, bool truncated = false);

std::string formatScores(const HallOfFame& table);

}  // namespace gyrock
