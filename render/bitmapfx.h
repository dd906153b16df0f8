// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Our bitmap effects: a turned copy and a masked blend.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <utility>
#include <vector>

namespace gyrock::bitmapfx {

// Overdraws the w x h area of dest at (x, y) with source blended in by mask
// (the mask's grey level is the weight), both read from their origin.
void alphaMask(QImage& dest, int x, int y, int w, int h, const QImage& source, const QImage& mask);

// How a picture is turned onto a destination, all in the destination's pixels.
struct Turn {
    QPointF centre;        // where the picture's centre lands
    double degrees = 0;    // clockwise on screen
    double scale = 1;      // destination pixels per picture pixel
    bool smooth = false;   // interpolated, with edges that fade out
};

// The picture inside a one-pixel transparent border, 32-bit premultiplied:
// what turnInto reads, so the smooth turn fades its edges into what lies beneath.
QImage framedPicture(QSize pictureSize);

// Draws the framed picture turned onto dest (32 bits a pixel, opaque or
// premultiplied), over what is there, touching only pixels inside clip. Every
// pixel is worked out from its own position alone: drawing dest piece by piece
// gives exactly the pixels of drawing it whole. With under (32 bits a pixel,
// lined up with dest), every pixel the picture may reach is drawn over
// under's pixel instead of dest's, so dest need not be cleared first; a pixel
// outside what the picture may reach is left alone.
// spans, when given, are turnedSpans() of the same turn and clip.
void turnInto(QImage& dest, QRect clip, const QImage& framed, const Turn& turn, const QImage* under = nullptr,
              const std::vector<std::pair<int, int>>* spans = nullptr);

// The destination pixels that the area (in picture pixels, picture without its
// border) can touch once turned; a little generous, never short.
QRect turnedArea(QRectF area, QSize pictureSize, const Turn& turn);

// For each row of clip, the columns [first, second) outside which the turned
// picture touches nothing (a pixel to spare on each side).
void turnedSpans(QSize pictureSize, const Turn& turn, QRect clip, std::vector<std::pair<int, int>>& spans);

// The angle brought into [0, 360), so that equivalent angles draw alike.
double normalisedDegrees(double degrees);

}  // namespace gyrock::bitmapfx
