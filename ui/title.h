// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once

#include <QString>

namespace gyrock::ui {

// The program's own name: the application's name and every box's title.
inline QString programName() { return QStringLiteral("gyrock"); }

}  // namespace gyrock::ui
