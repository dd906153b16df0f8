// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The turned copy the board is drawn with. Qt's own transformed drawing steps
// its sample position along each span from wherever the span starts, so a
// clipped repaint lands on slightly different pixels than a full one; here
// every position is an exact integer function of the pixel's own coordinates.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <utility>
#include <vector>

#include "render/pixels/kernels.h"

namespace gyrock::render::pixels {

// How a picture is turned onto a destination, all in the destination's pixels.
struct Turn {
    QPointF centre;       // where the picture's centre lands
    double degrees = 0;   // clockwise on screen
    double scale = 1;     // destination pixels per picture pixel
    bool smooth = false;  // interpolated, with edges that fade out
};

// For each row of a clip, the columns [first, second) outside which the
// turned picture touches nothing (a pixel to spare on each side).
using Spans = std::vector<std::pair<int, int>>;

// The picture inside a one-pixel transparent border, 32-bit premultiplied:
// what turnInto reads, so the smooth turn fades its edges into what lies beneath.
QImage framedPicture(QSize pictureSize);
// The size of the picture inside a framed one.
inline QSize unframedSize(const QImage& framed) { return framed.size() - QSize(2, 2); }

// Draws the framed picture turned onto dest (32 bits a pixel, opaque or
// premultiplied), over what is there, touching only pixels inside clip. Every
// pixel is worked out from its own position alone: drawing dest piece by piece
// gives exactly the pixels of drawing it whole. With under (32 bits a pixel,
// lined up with dest), every pixel the picture may reach is drawn over
// under's pixel instead of dest's, so dest need not be cleared first; a pixel
// outside what the picture may reach is left alone.
// spans, when given, are turnedSpans() of the same turn and clip. path is one
// of availablePaths(); all give the same pixels.
void turnInto(QImage& dest, QRect clip, const QImage& framed, const Turn& turn,
              const QImage* under = nullptr, const Spans* spans = nullptr,
              Path path = fastestPath());

// The destination pixels that the area (in picture pixels, picture without its
// border) can touch once turned; a little generous, never short.
QRect turnedArea(QRectF area, QSize pictureSize, const Turn& turn);

// The spans of clip's rows for the picture (without its border) turned.
void turnedSpans(QSize pictureSize, const Turn& turn, QRect clip, Spans& spans);

// The angle brought into [0, 360), so that equivalent angles draw alike.
double normalisedDegrees(double degrees);

}  // namespace gyrock::render::pixels
