// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once

class QWidget;

namespace gyrock::widgets {

// Designer stores whole point sizes only; the window's fonts are 8.25 and
// 9.75 pt, stored as 8 and 10. Puts the quarter points back on every widget
// under root that has a font of its own.
void applyFractionalPointSizes(QWidget* root);

}  // namespace gyrock::widgets
