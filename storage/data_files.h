// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The two data files of the player's data folder.

#include <filesystem>
#include <string>

#include "storage/prefs_format.h"
#include "storage/scores_table.h"

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

// Reads folder/scores.txt into the table (a missing file gives ten entries
// of score 0 with empty names; a damaged one is read as far as it is valid).
// True when the file was missing or read whole.
bool loadScores(const std::filesystem::path& folder, HallOfFame& table, FileState& state);
// Replaces folder/scores.txt atomically, after keeping a damaged original.
// False when the table could not be written or the original could not be
// kept (then the file is left untouched).
bool saveScores(const std::filesystem::path& folder, const HallOfFame& table, FileState& state);

// The same for folder/prefs.txt and the four option values.
bool loadPrefs(const std::filesystem::path& folder, Prefs& prefs, FileState& state);
bool savePrefs(const std::filesystem::path& folder, const Prefs& prefs, FileState& state);

}  // namespace gyrock
