// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/bitmapfx.h"

#include <algorithm>
#include <cmath>

namespace gyrock::bitmapfx {
namespace {

int blendChannel(int dest, int src, int weight) {
    // weight is 0..255; rounded so that weight 255 gives src exactly.
    return (dest * (255 - weight) + src * weight + 127) / 255;
}

}  // namespace

// One angle, one transform: 300 and -60 (or 360 and 0) must land on the very
// same pixels, so the angle is brought into [0, 360) before anyone draws it.
double normalisedDegrees(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    if (a >= 360.0) a = 0;  // -1e-17 + 360 rounds up to 360
    return a;
}

void alphaMask(QImage& dest, int x, int y, int w, int h, const QImage& source, const QImage& mask) {
    // Only what lies inside all three pictures is touched; the rest is cut off.
    const QRect area = QRect(x, y, std::max(w, 0), std::max(h, 0))
                           .intersected(dest.rect())
                           .intersected(source.rect().translated(x, y))
                           .intersected(mask.rect().translated(x, y));
    if (area.isEmpty()) return;
    for (int dy = area.top(); dy <= area.bottom(); ++dy) {
        for (int dx = area.left(); dx <= area.right(); ++dx) {
            const QColor under = dest.pixelColor(dx, dy);
            const QColor over = source.pixelColor(dx - x, dy - y);
            const int weight = qGray(mask.pixel(dx - x, dy - y));
            dest.setPixelColor(dx, dy,
                               QColor(blendChannel(under.red(), over.red(), weight),
                                      blendChannel(under.green(), over.green(), weight),
                                      blendChannel(under.blue(), over.blue(), weight),
                                      under.alpha()));
        }
    }
}

}  // namespace gyrock::bitmapfx
