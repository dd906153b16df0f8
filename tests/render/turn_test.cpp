// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The turned copy the board is drawn with: the scalar reference held against
// Qt's own transformed drawing, and every path the processor has giving the
// reference's very pixels, whichever part of the destination it draws (a
// repaint draws only part of the window).

#include "render/pixels/turn.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace gyrock::render::pixels {
namespace {

// Blocks of random colour, with every kind of alpha when translucent, inside
// the transparent border. Blocks of one pixel are noise; with larger ones a
// sample that lands a pixel off still shows the right colour most of the time.
QImage blockPicture(int side, bool translucent) {
    QImage framed = framedPicture(QSize(64, 96));
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 64; ++x) {
            std::uint32_t h = std::uint32_t(x / side) * 1000003u + std::uint32_t(y / side) * 7919u;
            h *= 2654435761u;
            h ^= h >> 15;
            h *= 0x5bd1e995u;
            h ^= h >> 13;
            // The hash as a colour: alpha, red, green, blue from the top byte down.
            framed.setPixel(x + 1, y + 1, qPremultiply(translucent ? h : h | 0xff000000u));
        }
    return framed;
}

QImage backdrop() {
    QImage image(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, (x * y) & 0xff));
    return image;
}

// Qt's turned drawing of the framed picture: the reference.
QImage drawnByQt(const QImage& framed, const Turn& turn) {
    QImage out = backdrop();
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, turn.smooth);
    painter.translate(turn.centre);
    painter.rotate(turn.degrees);
    painter.scale(turn.scale, turn.scale);
    painter.drawImage(QPointF(-framed.width() / 2.0, -framed.height() / 2.0), framed);
    return out;
}

// Pixels where a channel differs by more than tolerance.
int differing(const QImage& a, const QImage& b, int tolerance) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += std::abs(qRed(p) - qRed(q)) > tolerance ||
                 std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                 std::abs(qBlue(p) - qBlue(q)) > tolerance;
        }
    return n;
}

// Calls check with right angles and odd ones, plain and smooth, at one, one
// and a half and two screen pixels a picture pixel; every third turn over a
// translucent picture.
void forEachTurn(const std::function<void(const Turn&, bool translucent)>& check) {
    int n = 0;
    for (double degrees : {0.0, 90.0, 180.0, 270.0, 1.0, 37.0, 202.0, -323.0, 359.5}) {
        for (double scale : {1.0, 1.5, 2.0}) {
            for (bool smooth : {false, true}) {
                const bool translucent = n++ % 3 == 2;
                SCOPED_TRACE(::testing::Message() << degrees << " degrees, scale " << scale
                                                  << (smooth ? ", smooth" : ", plain")
                                                  << (translucent ? ", translucent" : ""));
                check(Turn{QPointF(100, 100), degrees, scale, smooth}, translucent);
            }
        }
    }
}

TEST(TurnInto, MatchesQtsTurnedDrawingWithinAFewLevels) {
    forEachTurn([](const Turn& turn, bool translucent) {
        const QImage picture = blockPicture(4, translucent);
        QImage drawn = backdrop();
        turnInto(drawn, drawn.rect(), picture, turn);
        // At right angles every pixel within two levels (the rounding of the
        // smooth blend). At odd ones, off by more than a few levels only where
        // a plain sample falls on a block's edge and takes the neighbour.
        const bool rightAngle = std::fmod(turn.degrees, 90) == 0;
        const int off = differing(drawn, drawnByQt(picture, turn), rightAngle ? 2 : 8);
        EXPECT_LE(off, rightAngle ? 0 : int(64 * 96 * turn.scale * turn.scale) / 200);
    });
}

// Each path draws each clip over a black destination, the picture going over
// what lies under: inside the clip the reference's pixels drawn whole, outside
// it nothing. The clips cut rows at odd places, so that a vector path's steps
// start anywhere and end with a remainder; one reaches past the destination.
TEST(TurnInto, EveryPathGivesTheReferencesPixelsInAnyClip) {
    const char* const names[] = {"scalar", "SSE2", "AVX2"};
    const QImage under = backdrop();
    QImage black(under.size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    const QRect clips[] = {under.rect(), QRect(37, 11, 5, 150), QRect(90, 0, 1, 200),
                           QRect(13, 51, 131, 3), QRect(-7, 120, 250, 77)};
    forEachTurn([&](const Turn& turn, bool translucent) {
        const QImage picture = blockPicture(1, translucent);
        QImage reference = black;
        turnInto(reference, reference.rect(), picture, turn, &under, nullptr, Path::Scalar);
        for (Path path : availablePaths()) {
            for (const QRect& clip : clips) {
                QImage image = black;
                turnInto(image, clip, picture, turn, &under, nullptr, path);
                QImage expected = black;
                QPainter(&expected).drawImage(clip.topLeft(), reference.copy(clip));
                EXPECT_TRUE(image == expected)
                    << names[int(path)] << " in the clip at " << clip.x() << "," << clip.y();
            }
        }
    });
}

}  // namespace
}  // namespace gyrock::render::pixels
