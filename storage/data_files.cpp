// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/data_files.h"

#include <system_error>
#include <utility>

#include "storage/safe_file.h"
#include "storage/scores_format.h"

namespace gyrock {

namespace fs = std::filesystem;

namespace {

// Reads the file and hands its bytes to the parser; returns false when
// anything of the file may not have been taken.
template <typename Value, typename Parse>
bool loadFile(const fs::path& file, Value& value, FileState& state, Parse parse) {
    // Nothing runs a save yet: a temporary beside the file is one a killed
    // save left behind.
    removeLeftoverTemporaries(file);
    const FileRead read = readBounded(file);
    state = FileState{};
    if (read.status == FileRead::Status::Missing) {
        value = Value{};
        return true;
    }
    if (read.status == FileRead::Status::Unreadable) {
        value = Value{};
        state.damaged = true;
        return false;
    }
    auto [parsed, damaged] = parse(read.bytes, read.truncated);
    value = std::move(parsed);
    state.damaged = damaged;
    return !damaged;
}

bool saveFile(const fs::path& file, const std::string& bytes, FileState& state) {
    if (state.damaged && state.backup.empty()) {
        std::error_code ec;
        const auto type = fs::symlink_status(file, ec).type();
        if (type == fs::file_type::regular || type == fs::file_type::symlink) {
            state.backup = keepBackup(file);
            if (state.backup.empty()) return false;
        }
    }
    if (!writeAtomically(file, bytes)) return false;
    state.damaged = false;
    return true;
}

}  // namespace

bool loadScores(const fs::path& folder, HallOfFame& table, FileState& state) {
    return loadFile(folder / scoresFileName, table, state,
                    [](std::string_view bytes, bool truncated) {
                        ScoresParse p = parseScores(bytes, truncated);
                        return std::pair{std::move(p.table), p.damaged};
                    });
}

bool saveScores(const fs::path& folder, const HallOfFame& table, FileState& state) {
    return saveFile(folder / scoresFileName, formatScores(table), state);
}

bool loadPrefs(const fs::path& folder, Prefs& prefs, FileState& state) {
    return loadFile(folder / prefsFileName, prefs, state,
                    [](std::string_view bytes, bool truncated) {
                        const PrefsParse p = parsePrefs(bytes, truncated);
                        return std::pair{p.prefs, p.damaged};
                    });
}

bool savePrefs(const fs::path& folder, const Prefs& prefs, FileState& state) {
    return saveFile(folder / prefsFileName, formatPrefs(prefs), state);
}

}  // namespace gyrock
