// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/turned_square.h"

#include <algorithm>
#include <cstring>

#include "render/density.h"

namespace gyrock::render {
namespace {

constexpr double kCentre = TurnedSquare::kSide / 2.0;
// Device pixels drawn to spare on each side of a repaint: wherever the
// window's own rounding of the logical rectangle lands, the square there is
// up to date.
constexpr int kSpare = 1;

}  // namespace

void TurnedSquare::setDensity(qreal ratio, const QImage& background, double pictureScale,
                              const QImage& framed) {
    ratio_ = ratio;
    pictureScale_ = pictureScale;
    picture_ = pixels::unframedSize(framed);
    background_ = background;
    const int side = devicePixels(kSide, ratio);
    square_ = QImage(side, side, QImage::Format_RGB32);
    square_.setDevicePixelRatio(ratio);
    draw(square_, framed, square_.rect(), nullptr);
}

pixels::Turn TurnedSquare::turn() const {
    return {QPointF(kCentre * ratio_, kCentre * ratio_), static_cast<double>(angle_), pictureScale_,
            antialias_};
}

QRect TurnedSquare::boardArea() const {
    return pixels::turnedArea(QRectF(QPointF(), picture_), picture_, turn());
}

void TurnedSquare::draw(QImage& square, const QImage& framed, QRect deviceClip,
                        const pixels::Turn* before) const {
    deviceClip = deviceClip.intersected(square.rect()).intersected(background_.rect());
    if (deviceClip.isEmpty()) return;
    // The background goes back only where the new board does not reach: where
    // it does, the turn draws over the background itself, each pixel once.
    thread_local pixels::Spans reach, was;
    if (shown_) {
        pixels::turnedSpans(picture_, turn(), deviceClip, reach);
    } else {
        reach.assign(static_cast<std::size_t>(deviceClip.height()),
                     {deviceClip.left(), deviceClip.left()});
    }
    if (before != nullptr) {
        // Outside the board as it was, the square shows the background already.
        pixels::turnedSpans(picture_, *before, deviceClip, was);
    } else {
        was.assign(static_cast<std::size_t>(deviceClip.height()),
                   {deviceClip.left(), deviceClip.right() + 1});
    }
    // deviceClip lies within both pictures, so rows are addressed directly.
    uchar* const squareBits = square.bits();
    const uchar* const backgroundBits = background_.constBits();
    const qsizetype squareLine = square.bytesPerLine(), backgroundLine = background_.bytesPerLine();
    auto restore = [&](int y, int from, int to) {
        if (from >= to) return;
        std::memcpy(squareBits + y * squareLine + from * 4,
                    backgroundBits + y * backgroundLine + from * 4,
                    static_cast<std::size_t>(to - from) * 4);
    };
    for (int y = deviceClip.top(); y <= deviceClip.bottom(); ++y) {
        const auto& [o0, o1] = was[static_cast<std::size_t>(y - deviceClip.top())];
        const auto& [n0, n1] = reach[static_cast<std::size_t>(y - deviceClip.top())];
        if (n0 >= n1) {
            restore(y, o0, o1);
            continue;
        }
        restore(y, o0, std::min(o1, n0));
        restore(y, std::max(o0, n1), o1);
    }
    if (!shown_) return;
    pixels::turnInto(square, deviceClip, framed, turn(), &background_, &reach);
}

void TurnedSquare::redraw(const QImage& framed, QRect deviceArea,
                          std::optional<pixels::Turn> before) {
    const QRect logical = logicalCover(deviceArea, ratio_).intersected(area());
    if (logical.isEmpty()) return;
    draw(square_, framed, deviceRect(logical, ratio_).adjusted(-kSpare, -kSpare, kSpare, kSpare),
         before ? &*before : nullptr);
    damage_.add(logical);
}

void TurnedSquare::show(const QImage& framed, QRect pictureDamage, std::int32_t angle,
                        bool antialias) {
    const auto a = static_cast<std::int32_t>(pixels::normalisedDegrees(angle));
    std::optional<pixels::Turn> before;
    if (shown_) before = turn();
    QRect area;
    if (!shown_ || a != angle_ || antialias != antialias_) {
        if (shown_) area = boardArea();
        shown_ = true;
        angle_ = a;
        antialias_ = antialias;
        area |= boardArea();
    } else if (!pictureDamage.isEmpty()) {
        // Resting angle: only the cells that changed, turned.
        area = pixels::turnedArea(QRectF(pictureDamage), picture_, turn());
    }
    redraw(framed, area, before);
}

void TurnedSquare::hide() {
    if (!shown_) return;
    const QRect area = boardArea();
    const pixels::Turn before = turn();
    shown_ = false;
    // Nothing is turned with the board off: no picture is read.
    redraw(QImage(), area, before);
}

QImage TurnedSquare::redrawn(const QImage& framed) const {
    QImage square(square_.size(), QImage::Format_RGB32);
    square.setDevicePixelRatio(ratio_);
    draw(square, framed, square.rect(), nullptr);
    return square;
}

}  // namespace gyrock::render
