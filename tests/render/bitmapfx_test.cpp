// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/bitmapfx.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gyrock::bitmapfx {
namespace {

QImage solid(int w, int h, QColor c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

QImage canvas() {
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage turned(const QImage& source, double degrees, bool smooth) {
    QImage out = canvas();
    QPainter p(&out);
    rotate(p, QPointF(50, 50), source, source.rect(), degrees, smooth);
    return out;
}

TEST(Rotate, ZeroAnglePlainIsAnExactCopyAndOnlyTheSourceRectIsDrawn) {
    QImage source = solid(30, 20, Qt::blue);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    QImage out = canvas();
    {
        QPainter p(&out);
        rotate(p, QPointF(50, 50), source, QRect(0, 0, 10, 20), 0, false);
    }
    EXPECT_EQ(out.pixel(45, 40), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(54, 59), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(out.pixel(55, 50)), 0);
    EXPECT_EQ(qAlpha(out.pixel(44, 50)), 0);
}

TEST(Rotate, NonFiniteAnglesDrawUprightAndEmptyRectsDrawNothing) {
    const QImage source = solid(20, 10, Qt::green);
    EXPECT_EQ(turned(source, std::nan(""), false), turned(source, 0, false));
    EXPECT_EQ(turned(source, INFINITY, true), turned(source, 0, true));
    QImage out = canvas();
    {
        QPainter p(&out);
        rotate(p, QPointF(50, 50), source, QRect(40, 40, 5, 5), 10, true);
    }
    EXPECT_EQ(out, canvas());
}

TEST(Rotate, HugeAnglesMatchTheirRemainder) {
    const QImage source = solid(20, 40, Qt::yellow);
    EXPECT_EQ(turned(source, 36000 + 17, false), turned(source, 17, false));
    EXPECT_EQ(turned(source, -36000 - 17, true), turned(source, 343, true));
}

TEST(AlphaMask, WhiteMaskTakesTheSourceBlackMaskKeepsTheDestination) {
    QImage dest = solid(32, 32, QColor(200, 10, 10));
    const QImage source = solid(16, 16, QColor(20, 220, 30));
    QImage mask = solid(16, 16, Qt::white);
    for (int x = 0; x < 16; ++x) mask.setPixel(x, 15, qRgb(0, 0, 0));
    alphaMask(dest, 8, 8, 16, 16, source, mask);
    EXPECT_EQ(dest.pixel(8, 8), qRgb(20, 220, 30));
    EXPECT_EQ(dest.pixel(23, 22), qRgb(20, 220, 30));
    EXPECT_EQ(dest.pixel(10, 23), qRgb(200, 10, 10));  // mask row 15 is black
    EXPECT_EQ(dest.pixel(7, 8), qRgb(200, 10, 10));
    EXPECT_EQ(dest.pixel(24, 8), qRgb(200, 10, 10));
}

TEST(AlphaMask, GreyMaskBlendsInProportion) {
    QImage dest = solid(16, 16, QColor(0, 0, 0));
    const QImage source = solid(16, 16, QColor(200, 200, 200));
    const QImage mask = solid(16, 16, QColor(64, 64, 64));
    alphaMask(dest, 0, 0, 16, 16, source, mask);
    EXPECT_NEAR(qRed(dest.pixel(5, 5)), 200 * 64 / 255, 1);
}

TEST(AlphaMask, AreasPartlyOrWhollyOutsideAreCutOff) {
    const QImage source = solid(16, 16, Qt::white);
    const QImage mask = solid(16, 16, Qt::white);
    QImage dest = solid(32, 32, Qt::black);
    alphaMask(dest, 0, -16, 16, 16, source, mask);
    alphaMask(dest, 40, 0, 16, 16, source, mask);
    alphaMask(dest, 0, 0, -5, 16, source, mask);
    EXPECT_EQ(dest, solid(32, 32, Qt::black));

    alphaMask(dest, 24, -8, 16, 16, source, mask);  // only its lower-left quarter lands
    EXPECT_EQ(dest.pixel(24, 0), qRgb(255, 255, 255));
    EXPECT_EQ(dest.pixel(31, 7), qRgb(255, 255, 255));
    EXPECT_EQ(dest.pixel(24, 8), qRgb(0, 0, 0));

    // A source or mask smaller than the area limits it too.
    QImage small = solid(4, 4, Qt::white);
    QImage other = solid(32, 32, Qt::black);
    alphaMask(other, 0, 0, 16, 16, small, mask);
    EXPECT_EQ(other.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_EQ(other.pixel(4, 4), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace gyrock::bitmapfx
