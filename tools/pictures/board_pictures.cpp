// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The backdrop behind the board, the cell tiles and the clearing mark.

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace pictures {
namespace {

int channel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

QColor towards(QColor c, QColor target, double amount) {
    return QColor(channel(c.red() + (target.red() - c.red()) * amount),
                  channel(c.green() + (target.green() - c.green()) * amount),
                  channel(c.blue() + (target.blue() - c.blue()) * amount));
}

}  // namespace

QImage drawBackdrop(int detail) {
    constexpr int w = 224, h = 384;
    QImage image(w * detail, h * detail, QImage::Format_RGB32);
    Prng dither(0xB0A7D);
    for (int py = 0; py < h * detail; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double y = windowPosition(py, detail);
        for (int px = 0; px < w * detail; ++px) {
            const double x = windowPosition(px, detail);
            // 0 in the middle, 1 at the left and right edges.
            const double d = std::abs((px + 0.5) / (w * detail) - 0.5) * 2;
            const double broad = std::pow(1 - d, 1.8);
            const double band = std::exp(-(d / 0.07) * (d / 0.07));
            // A faint drift down the column keeps the flat teal from looking printed.
            const double drift = 0.93 + 0.07 * fractalNoise(x / 60.0, y / 110.0, 2, 41);
            const double light = (0.62 * broad + 0.38 * band) * drift;
            const double grain = dither.between(-1.2, 1.2);
            line[px] = qRgb(channel(22 * light + grain * light), channel(108 * light + grain),
                            channel(112 * light + grain));
        }
    }
    return image;
}

QImage drawTile(QColor base, int index, int detail) {
    constexpr int size = 16;
    QImage image(size * detail, size * detail, QImage::Format_RGB32);
    Prng grain(0x7113 + static_cast<std::uint64_t>(index) * 131);
    const std::uint64_t blotchSeed = 900 + static_cast<std::uint64_t>(index);
    for (int py = 0; py < size * detail; ++py) {
        const double y = windowPosition(py, detail);
        for (int px = 0; px < size * detail; ++px) {
            const double x = windowPosition(px, detail);
            // Coarse blotches plus fine grain: a stone-like mottle around the base colour.
            const double blotch = (valueNoise(x / 3.5, y / 3.5, blotchSeed) - 0.5) * 26;
            const double fine = grain.between(-9, 9);
            // A slight fall of light from the top right, where the lit edges are.
            const double slope = ((size - 1 - x) + y) / 30.0 * -10 + 5;
            const double lift = blotch + fine + slope;
            QColor c(channel(base.red() + lift + grain.between(-3, 3)),
                     channel(base.green() + lift + grain.between(-3, 3)),
                     channel(base.blue() + lift + grain.between(-3, 3)));
            // The lit edges stay one window pixel wide.
            if (py < detail) {
                c = towards(c, Qt::white, 0.38);
            } else if (px >= (size - 1) * detail) {
                c = towards(c, Qt::white, 0.24);
            }
            image.setPixel(px, py, c.rgb());
        }
    }
    return image;
}

QImage drawClearMark(int detail) {
    constexpr int size = 16;
    constexpr double centreGrey = 55, rimGrey = 236;
    QImage image(size * detail, size * detail, QImage::Format_RGB32);
    for (int py = 0; py < size * detail; ++py) {
        for (int px = 0; px < size * detail; ++px) {
            const double x = windowPosition(px, detail), y = windowPosition(py, detail);
            const double r = std::hypot(x - 7.5, y - 7.5) / 7.5;
            const double t = std::pow(clamp01(r), 1.4);
            const int g = channel(centreGrey + (rimGrey - centreGrey) * t);
            image.setPixel(px, py, qRgb(g, g, g));
        }
    }
    return image;
}

}  // namespace pictures
