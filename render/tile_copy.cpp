// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/tile_copy.h"

#include <QPainter>
#include <cstring>

namespace gyrock::render {

QImage prepared(const QImage& picture, QSize size) {
    if (picture.size() == size && picture.format() == QImage::Format_RGB32) return picture;
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::black);
    if (!picture.isNull()) {
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, picture);
    }
    return out;
}

void copyArea(QImage& dest, const QImage& source, QRect from, QPoint to) {
    const int dx = from.left() - to.x(), dy = from.top() - to.y();
    const QRect area =
        from.intersected(source.rect()).translated(-dx, -dy).intersected(dest.rect());
    if (area.isEmpty()) return;
    const std::size_t bytes = std::size_t(area.width()) * 4;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        std::memcpy(dest.scanLine(row) + std::size_t(area.left()) * 4,
                    source.constScanLine(row + dy) + std::size_t(area.left() + dx) * 4, bytes);
    }
}

long long differingPixels(const QImage& a, const QImage& b, QRect area) {
    area = area.intersected(a.rect()).intersected(b.rect());
    long long n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        // Most rows are alike: a quick look first.
        if (std::memcmp(p + area.left(), q + area.left(), std::size_t(area.width()) * 4) == 0)
            continue;
        for (int x = area.left(); x <= area.right(); ++x) n += ((p[x] ^ q[x]) & 0xffffffu) != 0;
    }
    return n;
}

}  // namespace gyrock::render
