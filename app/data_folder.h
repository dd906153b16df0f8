// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The folder that holds scores.txt and prefs.txt.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

namespace gyrock {

// Beside the program, this file keeps the player's files in the program's
// folder even without the music there. The build marks its own folder.
inline constexpr const char* portableMarkerName = "gyrock.portable";

// `requested` (from --data-dir) wins when not empty, created if missing; an
// empty optional and *error say why it cannot be used (it cannot be made, or
// nothing can be written in it). Without it: defaultDataFolder for this
// program and user, which needs a QCoreApplication.
std::optional<std::filesystem::path> chooseDataFolder(const QString& requested, QString* error);

// The program's own folder when it can be written and holds the music beside
// the program (a copy as the game ships for players, a build tree) or the
// marker. Otherwise (an installed copy, which finds its music through the
// install layout; a program alone in a folder, such as a bin folder) the
// per-user folder, created if missing, into which a player's files found
// beside the program are carried over when it has none yet.
std::filesystem::path defaultDataFolder(const QString& programFolder, const QString& perUserFolder);

// Copies each of scores.txt and prefs.txt from `from` that `to` lacks, each
// written whole or not at all; the originals stay. Returns the names copied.
QStringList carryOverPlayerFiles(const std::filesystem::path& from,
                                 const std::filesystem::path& to);

}  // namespace gyrock
