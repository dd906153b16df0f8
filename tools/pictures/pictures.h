// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The pictures of the main window, each drawn from scratch.

#include <QColor>
#include <QImage>

namespace pictures {

// Each is drawn at `detail` pixels to one of the window (1, or 2 for screens
// of twice the density): the same picture, with that much more detail. At 1
// the pixels are exactly those the game has always shipped.
QImage drawBackground(int detail = 1);                    // 622 x 485, the window's background
QImage drawBackdrop(int detail = 1);                      // 224 x 384, behind the board's cells
QImage drawTile(QColor base, int index, int detail = 1);  // 16 x 16 cell tile
QImage drawClearMark(int detail = 1);  // 16 x 16 grey disc of the row-clearing effect

// Where the centre of picture pixel i falls, in window pixels: i itself at 1.
inline double windowPosition(int i, int detail) { return (i + 0.5) / detail - 0.5; }

}  // namespace pictures
