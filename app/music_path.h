// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once

#include <QString>
#include <string>

namespace gyrock::app {

// The music beside the program (a build tree, a portable copy), else where an
// installed program finds it: where the build installs it, relative to the
// program's folder.
std::string musicFileFor(const QString& programDir);

}  // namespace gyrock::app
