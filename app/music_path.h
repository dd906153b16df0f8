// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once

#include <QString>
#include <string>

namespace gyrock::app {

// Whether the music lies beside the program, as in a build tree and in a copy
// unpacked as the game ships for players; an installed program finds it
// elsewhere.
bool musicBesideProgram(const QString& programDir);

// The music beside the program, else where an installed program finds it:
// where the build installs it, relative to the program's folder.
std::string musicFileFor(const QString& programDir);

}  // namespace gyrock::app
