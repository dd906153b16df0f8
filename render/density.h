// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The window's logical pixels and the device pixels of a density.

#include <QRect>
#include <cmath>

namespace gyrock::render {

// Logical pixels at a density, in whole device pixels.
inline int devicePixels(double logical, qreal ratio) {
    return static_cast<int>(std::lround(logical * ratio));
}

// The device pixels of a logical rectangle, each edge rounded.
QRect deviceRect(QRect logical, qreal ratio);

// The logical rectangle that covers a device area. At a fractional density
// it is widened to a step whose device edges are whole, so that the window
// and the renderer agree on exactly which device pixels it means.
QRect logicalCover(QRect device, qreal ratio);

}  // namespace gyrock::render
