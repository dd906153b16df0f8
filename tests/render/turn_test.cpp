// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The turned copy the board is drawn with: held against Qt's own transformed
// drawing, and the same pixel whether it is drawn alone or with its
// neighbours (a repaint draws only part of the window).

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/bitmapfx.h"

namespace gyrock::bitmapfx {
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
            const QRgb colour = qRgba(int(h >> 16) & 0xff, int(h >> 8) & 0xff, int(h & 0xff), alpha);
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
            n += std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
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
                all.push_back({Turn{QPointF(100, 100), degrees, scale, smooth}, all.size() % 3 == 2});
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

// Drawn in strips, each pixel comes out as drawn whole, whatever the strip's
// width, and so whichever path (one pixel or several at once) drew it; what
// lay in the destination does not matter where the picture underneath is given.
TEST(TurnInto, EveryPixelIsTheSameDrawnAloneOrInAnyStripWidth) {
    const QImage under = backdrop();
    auto drawn = [&](const QImage& picture, const Turn& turn, int width) {
        QImage image(under.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        for (int x = 0; x < image.width(); x += width) {
            turnInto(image, QRect(x, 0, width, image.height()), picture, turn, &under);
        }
        return image;
    };
    for (const Case& c : cases()) {
        SCOPED_TRACE(describe(c));
        const QImage picture = blockPicture(QSize(64, 96), 1, c.translucent);
        const QImage whole = drawn(picture, c.turn, under.width());
        for (int width : {1, 3, 5, 9, 17}) {
            EXPECT_TRUE(drawn(picture, c.turn, width) == whole) << "strips " << width;
        }
    }
}

}  // namespace
}  // namespace gyrock::bitmapfx
