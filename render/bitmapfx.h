#pragma once
// Our bitmap effects: a turned copy and a masked blend.

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>

namespace gyrock::bitmapfx {

// Draws source's rectangle sourceRect onto the painter, turned by angleDegrees
// about the rectangle's centre, with that centre on destCentre. Plain uses the
// nearest pixel (fast); smooth interpolates (antialiased).
void rotate(QPainter& dest, QPointF destCentre, const QImage& source, QRect sourceRect,
            double angleDegrees, bool smooth);

// Overdraws the w x h area of dest at (x, y) with source blended in by mask
// (the mask's grey level is the weight), both read from their origin.
void alphaMask(QImage& dest, int x, int y, int w, int h, const QImage& source, const QImage& mask);

}  // namespace gyrock::bitmapfx
