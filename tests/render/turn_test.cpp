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
#include <string>
#include <vector>

namespace gyrock::render::pixels {
namespace {

// Blocks of random colour, with every kind of alpha when translucent, inside
// the transparent border. Blocks of one pixel are noise; with larger ones a
// sample that lands a pixel off still shows the right colour most of the time.
QImage blockPicture(QSize size, int side, bool translucent) {
    QImage framed = framedPicture(size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            std::uint32_t h = std::uint32_t(x / side) * 1000003u + std::uint32_t(y / side) * 7919u;
            h *= 2654435761u;
            h ^= h >> 15;
            h *= 0x5bd1e995u;
            h ^= h >> 13;
            const int alpha = translucent ? int(h >> 24) : 255;
            const QRgb colour =
                qRgba(int(h >> 16) & 0xff, int(h >> 8) & 0xff, int(h & 0xff), alpha);
            framed.setPixel(x + 1, y + 1, qPremultiply(colour));
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
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            n += std::abs(qRed(p) - qRed(q)) > tolerance ||
                 std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                 std::abs(qBlue(p) - qBlue(q)) > tolerance;
        }
    }
    return n;
}

struct Case {
    Turn turn;
    bool translucent;
};

// Right angles and odd ones, plain and smooth, at one and two screen pixels
// a picture pixel; every third over a translucent picture.
std::vector<Case> cases() {
    std::vector<Case> all;
    for (double degrees : {0.0, 90.0, 180.0, 270.0, 1.0, 37.0, 202.0, -323.0, 359.5}) {
        for (double scale : {1.0, 2.0}) {
            for (bool smooth : {false, true}) {
                all.push_back(
                    {Turn{QPointF(100, 100), degrees, scale, smooth}, all.size() % 3 == 2});
            }
        }
    }
    return all;
}

std::string describe(const Case& c) {
    return std::to_string(c.turn.degrees) + " degrees, scale " + std::to_string(c.turn.scale) +
           (c.turn.smooth ? ", smooth" : ", plain") + (c.translucent ? ", translucent" : "");
}

TEST(TurnInto, MatchesQtsTurnedDrawingWithinAFewLevels) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(describe(c));
        const Turn& turn = c.turn;
        const QImage picture = blockPicture(QSize(64, 96), 4, c.translucent);
        QImage drawn = backdrop();
        turnInto(drawn, drawn.rect(), picture, turn);
        // At right angles every pixel within two levels (the rounding of the
        // smooth blend). At odd ones, off by more than a few levels only where
        // a plain sample falls on a block's edge and takes the neighbour.
        const int area = int(64 * 96 * turn.scale * turn.scale);
        const bool rightAngle = std::fmod(turn.degrees, 90) == 0;
        const int off = differing(drawn, drawnByQt(picture, turn), rightAngle ? 2 : 8);
        EXPECT_LE(off, rightAngle ? 0 : area / 200);
    }
}

const char* name(Path path) {
    switch (path) {
        case Path::Scalar:
            return "scalar";
        case Path::Sse2:
            return "SSE2";
        case Path::Avx2:
            return "AVX2";
    }
    return "?";
}

// Each path draws each clip over a black destination, the picture going over
// what lies under: inside the clip the reference's pixels drawn whole, outside
// it nothing. The clips cut rows at odd places, so that a vector path's steps
// start anywhere and end with a remainder; one reaches past the destination.
TEST(TurnInto, EveryPathGivesTheReferencesPixelsInAnyClip) {
    const QImage under = backdrop();
    const QRect clips[] = {under.rect(), QRect(37, 11, 5, 150), QRect(90, 0, 1, 200),
                           QRect(13, 51, 131, 3), QRect(-7, 120, 250, 77)};
    int drawn = 0;
    for (double degrees : {0.0, 90.0, 1.0, 37.0, 202.0, -323.0, 359.5}) {
        for (double scale : {1.0, 1.5, 2.0}) {
            for (bool smooth : {false, true}) {
                const Turn turn{QPointF(100, 100), degrees, scale, smooth};
                const bool translucent = drawn++ % 3 == 2;
                SCOPED_TRACE(describe({turn, translucent}));
                const QImage picture = blockPicture(QSize(64, 96), 1, translucent);
                QImage reference(under.size(), QImage::Format_RGB32);
                reference.fill(Qt::black);
                turnInto(reference, reference.rect(), picture, turn, &under, nullptr, Path::Scalar);
                for (Path path : availablePaths()) {
                    for (const QRect& clip : clips) {
                        QImage image(under.size(), QImage::Format_RGB32);
                        image.fill(Qt::black);
                        turnInto(image, clip, picture, turn, &under, nullptr, path);
                        QImage expected(under.size(), QImage::Format_RGB32);
                        expected.fill(Qt::black);
                        const QRect inside = clip.intersected(under.rect());
                        QPainter(&expected).drawImage(inside.topLeft(), reference.copy(inside));
                        EXPECT_TRUE(image == expected)
                            << name(path) << " in " << clip.x() << "," << clip.y() << " "
                            << clip.width() << "x" << clip.height();
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace gyrock::render::pixels
