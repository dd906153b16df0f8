// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/pixels/blend.h"

#include <QRgb>

namespace gyrock::render::pixels {
namespace {

// weight is 0..255; rounded so that weight 255 gives src exactly.
int blendChannel(int dest, int src, int weight) {
    return (dest * (255 - weight) + src * weight + 127) / 255;
}

}  // namespace

void blendByMask(QImage& dest, QPoint at, const QImage& source, const QImage& mask) {
    const QRect area = source.rect()
                           .translated(at)
                           .intersected(mask.rect().translated(at))
                           .intersected(dest.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(dest.scanLine(y));
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y - at.y()));
        const auto* weights = reinterpret_cast<const QRgb*>(mask.constScanLine(y - at.y()));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb under = line[x], over = from[x - at.x()];
            const int weight = qGray(weights[x - at.x()]);
            line[x] = qRgba(blendChannel(qRed(under), qRed(over), weight),
                            blendChannel(qGreen(under), qGreen(over), weight),
                            blendChannel(qBlue(under), qBlue(over), weight), qAlpha(under));
        }
    }
}

}  // namespace gyrock::render::pixels
