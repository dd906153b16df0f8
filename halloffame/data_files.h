// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The two data files of the player's data folder. Each takes the mode
// "load" or "save" exactly (case-sensitive); any other text does nothing.

#include <filesystem>
#include <string>

#include "halloffame/prefs_format.h"
#include "halloffame/table.h"

namespace gyrock {

inline constexpr const char* scoresFileName = "scores.txt";
inline constexpr const char* prefsFileName = "prefs.txt";

// What "load" found, so that "save" can keep a damaged original first.
struct FileState {
    // The file on disk was not fully read (short, malformed, unreadable, not
    // a file): it is kept as a backup before it is first replaced.
    bool damaged = false;
    // Where the damaged original was kept, once it has been.
    std::filesystem::path backup;
};

// "load": reads folder/scores.txt into the table (a missing file gives ten
//   entries of score 0 with empty names; a damaged one is read as far as it
//   is valid). True when the file was missing or read whole.
// "save": replaces folder/scores.txt atomically, after keeping a damaged
//   original. False when the table could not be written or the original
//   could not be kept (then the file is left untouched).
bool scoresFile(const std::string& mode, const std::filesystem::path& folder, HallOfFame& table,
                FileState& state);

// The same for folder/prefs.txt and the four option values.
bool prefsFile(const std::string& mode, const std::filesystem::path& folder, Prefs& prefs,
               FileState& state);

}  // namespace gyrock
