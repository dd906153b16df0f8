// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The turned copy draws a pixel the same whether it is drawn alone or with
// its neighbours: a strip one pixel wide goes down the one-pixel path, a wide
// one down the paths that draw several at once.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "render/bitmapfx.h"

namespace gyrock::bitmapfx {
namespace {

// Noise with every kind of alpha: opaque, clear and in between, premultiplied.
QImage noisyPicture(QSize size, bool translucent) {
    QImage framed = framedPicture(size);
    std::uint32_t seed = 99;
    for (int y = 1; y <= size.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(framed.scanLine(y));
        for (int x = 1; x <= size.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const std::uint32_t a = translucent ? (seed >> 24) : 255;
            const std::uint32_t r = ((seed >> 16) & 0xff) * a / 255, g = ((seed >> 8) & 0xff) * a / 255;
            const std::uint32_t b = (seed & 0xff) * a / 255;
            line[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    return framed;
}

QImage backdrop() {
    QImage image(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, (x * y) & 0xff));
    }
    return image;
}

TEST(TurnInto, EveryPixelIsTheSameDrawnAloneOrInAnyStripWidth) {
    struct Case {
        double degrees, scale;
        bool smooth, translucent;
    };
    const Case cases[] = {
        {0, 1, true, false},  {37, 1, true, false},   {37, 1, true, true},   {202, 2, true, false},
        {91, 1.5, true, true}, {314, 1, false, false}, {37, 2, false, true}, {359, 1, true, false},
    };
    for (const Case& c : cases) {
        const QImage picture = noisyPicture(QSize(64, 96), c.translucent);
        const Turn turn{QPointF(100, 100), c.degrees, c.scale, c.smooth};
        QImage whole = backdrop();
        turnInto(whole, whole.rect(), picture, turn);
        for (int width : {1, 3, 5, 9, 17}) {
            QImage strips = backdrop();
            for (int x = 0; x < strips.width(); x += width) turnInto(strips, QRect(x, 0, width, 200), picture, turn);
            EXPECT_EQ(strips, whole) << c.degrees << " degrees, scale " << c.scale << ", strips " << width;
        }
        EXPECT_NE(whole, backdrop()) << c.degrees << " degrees: the picture was drawn";
    }
}

TEST(TurnInto, DrawnOverAnImageUnderneathItIsTheSameAsOverThatImageCopiedFirst) {
    const QImage under = backdrop();
    for (bool smooth : {false, true}) {
        for (bool translucent : {false, true}) {
            const QImage picture = noisyPicture(QSize(64, 96), translucent);
            const Turn turn{QPointF(100, 100), 23, 1.5, smooth};
            QImage expected = under;
            turnInto(expected, expected.rect(), picture, turn);
            // Whatever was in dest before: the picture's reach is drawn whole,
            // and nothing outside it is touched.
            QImage drawn(under.size(), QImage::Format_RGB32);
            drawn.fill(Qt::black);
            for (int x = 0; x < drawn.width(); x += 7) turnInto(drawn, QRect(x, 0, 7, 200), picture, turn, &under);
            std::vector<std::pair<int, int>> reach;
            turnedSpans(QSize(64, 96), turn, drawn.rect(), reach);
            int kept = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const bool reached = x >= reach[y].first && x < reach[y].second;
                    kept += reached ? 0 : 1;
                    ASSERT_EQ(drawn.pixel(x, y), reached ? expected.pixel(x, y) : qRgb(0, 0, 0))
                        << x << "," << y << " smooth " << smooth << " translucent " << translucent;
                }
            }
            EXPECT_GT(kept, 10000) << "the far corners are not the picture's to draw";
        }
    }
}

TEST(TurnInto, UprightAtItsOwnSizeIsAnExactCopy) {
    for (bool smooth : {false, true}) {
        const QImage picture = noisyPicture(QSize(64, 96), false);
        QImage out(64, 96, QImage::Format_RGB32);
        out.fill(Qt::black);
        turnInto(out, out.rect(), picture, Turn{QPointF(32, 48), 0, 1, smooth});
        EXPECT_EQ(out, picture.copy(1, 1, 64, 96).convertToFormat(QImage::Format_RGB32)) << smooth;
    }
}

}  // namespace
}  // namespace gyrock::bitmapfx
