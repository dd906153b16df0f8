// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/density.h"

namespace gyrock::render {

QRect deviceRect(QRect logical, qreal ratio) {
    return QRect(QPoint(devicePixels(logical.left(), ratio), devicePixels(logical.top(), ratio)),
                 QPoint(devicePixels(logical.right() + 1, ratio) - 1,
                        devicePixels(logical.bottom() + 1, ratio) - 1));
}

QRect logicalCover(QRect device, qreal ratio) {
    if (device.isEmpty()) return {};
    const int step = ratio == std::floor(ratio) ? 1 : 4;
    auto down = [&](double v) { return static_cast<int>(std::floor(v / ratio / step)) * step; };
    auto up = [&](double v) { return static_cast<int>(std::ceil(v / ratio / step)) * step; };
    return QRect(QPoint(down(device.left()), down(device.top())),
                 QPoint(up(device.right() + 1) - 1, up(device.bottom() + 1) - 1));
}

}  // namespace gyrock::render
