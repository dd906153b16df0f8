// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <QPainter>
#include <QTransform>

#include "render/tile_copy.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

// The square as it should look: the background, and on it the upright
// picture turned by degrees about the square's centre (none when null).
QImage expectedSquare(const BoardRenderer& renderer, const QImage& upright, int degrees) {
    const qreal r = renderer.square().devicePixelRatio();
    QImage expected = renderer.background().copy(QRect(QPoint(0, 0), renderer.square().size()));
    expected.setDevicePixelRatio(1);
    if (upright.isNull()) return expected;
    const QImage turned = upright.transformed(QTransform().rotate(degrees));
    const QPoint centre(qRound(TurnedSquare::kSide / 2 * r), qRound(TurnedSquare::kSide / 2 * r));
    QPainter(&expected).drawImage(centre - QPoint(turned.width() / 2, turned.height() / 2), turned);
    return expected;
}

// At right angles the board lands turned pixel for pixel over the
// background, upright on x 128..351, y 48..431, whatever was shown before;
// taken off, the background shows again. At twice the density the board is
// composed from the detailed pictures on twice the pixels.
TEST_F(RenderTest, AtRightAnglesTheBoardLandsPixelForPixelOverTheBackground) {
    game.board(6, 29) = 3;
    struct Frame {
        int degrees;
        bool antialias;
    };
    const Frame frames[] = {{0, false}, {0, true}, {90, false}, {180, false}, {270, false}};
    for (int ratio : {1, 2}) {
        SCOPED_TRACE(ratio);
        BoardRenderer renderer(pictures());
        renderer.setDevicePixelRatio(ratio);
        renderer.composeBoard(game, false);
        UprightPicture upright;
        upright.setPictures(PictureScaler(pictures()).at(ratio));
        upright.compose(frameCells(game, false));
        const QImage tile =
            ratio == 1 ? pictures().tiles[3] : DetailedPictures::load(pictures()).tiles[3];
        EXPECT_TRUE(cell(shown(upright), 6, 29, tile.width()) == tile);
        const QRect all = renderer.square().rect();
        for (const Frame& f : frames) {
            renderer.showBoard(37, !f.antialias);
            renderer.showBoard(f.degrees, f.antialias);
            EXPECT_EQ(differingPixels(renderer.square(),
                                      expectedSquare(renderer, shown(upright), f.degrees), all),
                      0)
                << f.degrees << (f.antialias ? " antialiased" : "");
        }
        renderer.clearBoard();
        EXPECT_EQ(differingPixels(renderer.square(), expectedSquare(renderer, QImage(), 0), all),
                  0);
    }
}

// At rest, a changed cell repaints its own square and two device pixels
// around it (one for the smooth edge, one for rounding), in whole logical
// pixels.
TEST_F(RenderTest, AtRestAChangedCellRepaintsItsSquareAndTwoPixelsAround) {
    for (const auto& [ratio, expected] :
         {std::pair{1, QRect(158, 398, 20, 20)}, std::pair{2, QRect(159, 399, 18, 18)}}) {
        BoardRenderer renderer(pictures());
        renderer.setDevicePixelRatio(ratio);
        renderer.composeBoard(game, false);
        renderer.showBoard(0, true);
        game.board(5, 29) = 4;  // at x 160..175, y 400..415 upright
        renderer.composeBoard(game, false);
        EXPECT_EQ(renderer.showBoard(0, true), expected) << ratio;
        game.board(5, 29) = 0;
    }
}

}  // namespace
}  // namespace gyrock::render::testing
