// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The player's two data files, scores.txt and prefs.txt, and the hall of fame
// read from the first. The window gives and takes the options as values.

#include <filesystem>
#include <string>
#include <vector>

#include "storage/data_files.h"

namespace gyrock {

class PlayerFiles {
  public:
    // folder holds scores.txt and prefs.txt.
    explicit PlayerFiles(std::filesystem::path folder);

    // Reads the hall of fame, then the options, which it returns.
    Prefs load();
    // Writes both files, the hall of fame first; returns the names of those
    // that could not be saved. Nothing is saved over the player's files
    // before they have been read.
    std::vector<std::string> save(const Prefs& prefs);
    // Writes the hall of fame at once, so a crash or a killed session never
    // loses a new entry. False when it could not be written.
    bool saveHallOfFame();
    HallOfFame& hallOfFame() { return hallOfFame_; }
    const std::filesystem::path& folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
    HallOfFame hallOfFame_;
    FileState scoresState_;
    FileState prefsState_;
    bool loaded_ = false;
};

}  // namespace gyrock
