// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once

class QWidget;

namespace gyrock::widgets {

// Moves a top-level window so that its client area sits in the middle of the
// part of its screen that windows may use.
void centreOnScreen(QWidget* window);

}  // namespace gyrock::widgets
