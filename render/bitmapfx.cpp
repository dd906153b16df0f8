// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/bitmapfx.h"

#include <algorithm>
#include <cmath>

namespace gyrock::bitmapfx {
namespace {

// The smooth turn draws the picture inside a one-pixel transparent frame: the
// bilinear filter then fades the outer edge into whatever lies beneath, which
// looks antialiased and costs well under half of Qt's antialiased rasteriser.
// The frame is kept between calls so a frame of the game allocates nothing.
const QImage& framedCopy(const QImage& source, QRect rect) {
    thread_local QImage framed;
    const QSize size = rect.size() + QSize(2, 2);
    if (framed.size() != size) framed = QImage(size, QImage::Format_ARGB32_Premultiplied);
    const bool opaque32 = source.format() == QImage::Format_RGB32;
    const bool premultiplied32 = source.format() == QImage::Format_ARGB32_Premultiplied;
    if (!opaque32 && !premultiplied32) {
        framed.fill(Qt::transparent);
        QPainter p(&framed);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(1, 1), source, rect);
        return framed;
    }
    const int w = rect.width();
    std::fill_n(reinterpret_cast<QRgb*>(framed.scanLine(0)), size.width(), 0u);
    std::fill_n(reinterpret_cast<QRgb*>(framed.scanLine(size.height() - 1)), size.width(), 0u);
    for (int y = 0; y < rect.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(rect.top() + y)) + rect.left();
        auto* to = reinterpret_cast<QRgb*>(framed.scanLine(y + 1));
        to[0] = 0;
        to[w + 1] = 0;
        // RGB32 keeps its alpha byte at 0xff by rule; set it anyway, it costs nothing.
        const QRgb alpha = opaque32 ? 0xff000000u : 0u;
        for (int x = 0; x < w; ++x) to[x + 1] = from[x] | alpha;
    }
    return framed;
}

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

void rotate(QPainter& dest, QPointF destCentre, const QImage& source, QRect sourceRect,
            double angleDegrees, bool smooth) {
    sourceRect = sourceRect.intersected(source.rect());
    if (sourceRect.isEmpty()) return;
    dest.save();
    dest.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    dest.setRenderHint(QPainter::Antialiasing, false);
    dest.translate(destCentre);
    // Qt's y axis points down, so a positive angle turns clockwise on screen.
    dest.rotate(normalisedDegrees(angleDegrees));
    const QPointF topLeft(-sourceRect.width() / 2.0, -sourceRect.height() / 2.0);
    if (smooth) {
        dest.drawImage(topLeft - QPointF(1, 1), framedCopy(source, sourceRect));
    } else {
        dest.drawImage(topLeft, source, sourceRect);
    }
    dest.restore();
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
