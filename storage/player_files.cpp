// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/player_files.h"

namespace gyrock {

PlayerFiles::PlayerFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

Prefs PlayerFiles::load() {
    loadScores(folder_, hallOfFame_, scoresState_);
    Prefs prefs;
    loadPrefs(folder_, prefs, prefsState_);
    loaded_ = true;
    return prefs;
}

std::vector<std::string> PlayerFiles::save(const Prefs& prefs) {
    std::vector<std::string> failed;
    if (!loaded_) return failed;
    if (!saveHallOfFame()) failed.emplace_back(scoresFileName);
    if (!savePrefs(folder_, prefs, prefsState_)) failed.emplace_back(prefsFileName);
    return failed;
}

bool PlayerFiles::saveHallOfFame() { return saveScores(folder_, hallOfFame_, scoresState_); }

}  // namespace gyrock
