// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Copies of 32-bit pictures into 32-bit pictures, cut off at the edges:
// the stand-in for the window system's plain block copy of a tile; and their
// comparison, pixel by pixel.

#include <QImage>

namespace gyrock::render {

// The picture in a 32-bit opaque format, at exactly the given size (cut off
// or padded with black), so copies never need to check formats again.
QImage prepared(const QImage& picture, QSize size);

// Copies the area from of source to (to) of dest, cut off at dest's edges.
// Both must be 32 bits a pixel.
void copyArea(QImage& dest, const QImage& source, QRect from, QPoint to);

// How many pixels of area differ in colour (alpha aside) between a and b,
// both 32 bits a pixel; area is cut off at the edges of both.
long long differingPixels(const QImage& a, const QImage& b, QRect area);

}  // namespace gyrock::render
