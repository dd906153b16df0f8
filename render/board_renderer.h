// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Draws the board for the window: keeps the upright picture and the turned
// square at the window's density and in step, so that the window learns from
// each frame only what to repaint.

#include <QImage>
#include <QRect>
#include <cstdint>

#include "engine/game.h"
#include "render/pictures.h"
#include "render/turned_square.h"
#include "render/upright_picture.h"

namespace gyrock::render {

class BoardRenderer {
  public:
    explicit BoardRenderer(const Pictures& pictures);

    // Draws a frame's picture: the backdrop, the falling piece in its own
    // colour, then the board cells (monochrome as asked). Cells that already
    // show what they should are left alone.
    void composeBoard(const Game& game, bool monochrome);
    // The clearing effect's mark on one cell.
    void markCell(int column, int row);

    // The density the window is shown at. A change draws everything again
    // from what the frame is made of.
    void setDevicePixelRatio(qreal ratio);
    // Puts the picture on the square turned by angle. Returns the part of the
    // window (logical pixels) whose picture changed: empty when the frame is
    // the one already shown.
    QRect showBoard(std::int32_t angle, bool antialias);
    // Takes the board off the window; returns the part to repaint.
    QRect clearBoard();

    // The window background and the board square at the current density
    // (device pixel ratio set, so both paint at logical (0, 0)).
    const QImage& background() const { return square_.background(); }
    const QImage& square() const { return square_.pixels(); }
    static QRect squareArea() { return TurnedSquare::area(); }
    // The square as a full redraw makes it: every cell composed afresh, the
    // marks made again, the whole board turned over the background.
    QImage fullRedraw() const { return square_.redrawn(picture_.composedAfresh()); }

  private:
    PictureScaler scaler_;
    UprightPicture picture_;
    TurnedSquare square_;
    qreal ratio_ = 0;
};

}  // namespace gyrock::render
