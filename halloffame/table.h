// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The hall of fame's rules: who gets in, and where.

#include "storage/scores_table.h"

namespace gyrock {

// Odd-even transposition sort of both arrays together, ascending by score.
// Only a strictly greater score moves up, so equal scores keep their order
// and a new entry placed at index 0 ends below every older equal one.
void sortHallOfFame(std::array<std::string, hallOfFameSize>& hofname,
                    std::array<std::int32_t, hallOfFameSize>& hofscore);

// The name entry: the new entry takes index 0, the lowest place, and the sort
// then moves it up to its rank, below every older entry of an equal score.
void enterName(HallOfFame& table, std::int32_t score, std::string name);

// True when some entry is strictly lower than the score.
bool qualifies(const HallOfFame& table, std::int32_t score);

}  // namespace gyrock
