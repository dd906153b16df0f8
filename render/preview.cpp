// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/preview.h"

#include <QPainter>
#include <algorithm>

namespace gyrock::render {
namespace {

constexpr int kTile = kTileSize;
constexpr int kPreviewCell = 6;
constexpr int kFrameBox = 24;

// Matrices are 2, 3 or 4 wide; anything else is drawn as the nearest of those
// sizes rather than as an empty or oversized picture.
int side(int n) { return std::clamp(n, 1, 4); }

}  // namespace

QImage composePreview(const PieceMatrix& nextpiece, const Pictures& pictures) {
    const int n = side(nextpiece.n);
    QImage full(n * kTile, n * kTile, QImage::Format_RGB32);
    full.fill(Qt::black);
    QPainter p(&full);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i < std::min(n, nextpiece.n); ++i) {
        for (int j = 0; j < std::min(n, nextpiece.n); ++j) {
            const int v = nextpiece(i, j);
            if (hasTile(v))
                p.drawImage(QRect(i * kTile, j * kTile, kTile, kTile), pictures.tiles[v]);
        }
    }
    return full;
}

QRect previewGeometry(int n) {
    const int size = side(n) * kPreviewCell;
    const int offset = (kFrameBox - size) / 2;  // always whole: 24 and 6n are even
    return QRect(offset, offset, size, size);
}

}  // namespace gyrock::render
