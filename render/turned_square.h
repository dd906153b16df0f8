// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The window's board square: the 480 x 480 at its left where the board turns,
// kept as the window shows it (background and turned picture), redrawn only
// where a frame changed it, and the part of the window drawn anew.

#include <QImage>
#include <QRect>
#include <cstdint>
#include <optional>

#include "render/damage.h"
#include "render/pixels/turn.h"

namespace gyrock::render {

class TurnedSquare {
  public:
    static constexpr int kSide = 480;
    static QRect area() { return QRect(0, 0, kSide, kSide); }

    // The window's density, its background at that density (device pixel
    // ratio set) and the device pixels a picture pixel takes; the whole square
    // is drawn again, the board as it was shown.
    void setDensity(qreal ratio, const QImage& background, double pictureScale,
                    const QImage& framed);
    // Shows the framed picture turned by angle about the square's centre. At
    // the angle and smoothing already shown only pictureDamage (picture
    // pixels) is turned again: nothing when it is empty.
    void show(const QImage& framed, QRect pictureDamage, std::int32_t angle, bool antialias);
    // Takes the board off the square.
    void hide();

    // The window's logical pixels drawn anew since the damage was last taken.
    Damage& damage() { return damage_; }
    const QImage& pixels() const { return square_; }
    const QImage& background() const { return background_; }
    // The square as drawing all of it from framed makes it.
    QImage redrawn(const QImage& framed) const;

  private:
    pixels::Turn turn() const;
    QRect boardArea() const;
    // The square redrawn within deviceClip: the background back where the
    // board was (everywhere without before), then the board as it is now.
    void draw(QImage& square, const QImage& framed, QRect deviceClip,
              const pixels::Turn* before) const;
    void redraw(const QImage& framed, QRect deviceArea, std::optional<pixels::Turn> before);

    qreal ratio_ = 1;
    double pictureScale_ = 1;
    QSize picture_;  // the picture's size without its border
    QImage background_, square_;
    Damage damage_;
    bool shown_ = false;
    std::int32_t angle_ = 0;  // brought into [0, 360)
    bool antialias_ = false;
};

}  // namespace gyrock::render
