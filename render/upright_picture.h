// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The board's upright picture (bbuffer): its cells drawn from their tiles at
// the window's density, the clearing marks over them, and what changed since
// the picture was last shown, in picture pixels.

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/game.h"
#include "render/damage.h"
#include "render/pictures.h"
#include "render/pixels/turn.h"

namespace gyrock::render {

class UprightPicture {
  public:
    // The board as drawn: wall to wall, and the lowest rows up to the floor.
    static constexpr int kColumns = kRightWall - kLeftWall + 1, kRows = 24;
    // The tile of each cell, row by row, or the backdrop.
    using Cells = std::array<std::int8_t, kColumns * kRows>;
    static constexpr std::int8_t kBackdrop = -1;

    UprightPicture();
    // Draws every cell afresh from pictures of another size; the damage goes,
    // as the picture must be shown whole.
    void setPictures(const ScaledPictures& pictures);
    // Draws the cells that do not already show what they should, marked ones
    // included: a mark lasts until the next frame.
    void compose(const Cells& cells);
    // The clearing effect's blend of the mark into one cell, in place; a cell
    // not drawn has nothing to mark.
    void mark(int column, int row);

    // The picture inside a transparent border of one pixel, as the turn reads it.
    const QImage& framed() const { return framed_; }
    QSize size() const { return pixels::unframedSize(framed_); }
    // The picture pixels changed since the damage was last taken.
    Damage& damage() { return damage_; }
    // The framed picture as composing every cell afresh makes it.
    QImage composedAfresh() const;

  private:
    void drawCell(QImage& framed, int index, int tile) const;
    void drawMark(QImage& framed, int index) const;
    QRect cellArea(int index) const;

    ScaledPictures pictures_;
    Cells cells_{};  // what the picture shows
    std::array<bool, kColumns * kRows> marked_{};
    std::vector<int> marks_;  // cells marked since the last compose, in order
    QImage framed_;
    Damage damage_;
};

// The tile of every drawn cell of the game as a frame shows it.
UprightPicture::Cells frameCells(const Game& game, bool monochrome);

}  // namespace gyrock::render
