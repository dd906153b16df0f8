// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <QPainter>

#include "engine/pieces.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

constexpr int kI = 2, kT = 6;  // shape numbers

using ComposeBoard = RenderTest;

// Each drawn cell shows the tile of its value, in monochrome the brown one
// (walls stay grey, the falling piece keeps its colour); an empty cell shows
// the backdrop, and so does a value no tile has unless the board is brown.
TEST_F(ComposeBoard, EachCellShowsItsTileOrTheBackdrop) {
    game.board(5, 29) = 4;
    game.board(6, 29) = 8;  // no shape has it, but a tile does
    game.board(5, 20) = 12;
    game.board(6, 20) = -3;
    game.piece = makeShape(kT);  // colour 7: (0,1) (1,1) (2,1) (1,2)
    game.piecex = 6;
    game.piecey = 15;
    struct Cell {
        int column, row, colour, monochrome;  // the tile shown, -1 the backdrop
    };
    const Cell cells[] = {
        {3, 7, 9, 9},    {16, 30, 9, 9},  {9, 30, 9, 9},   {5, 29, 4, 0},   {6, 29, 8, 0},
        {6, 16, 7, 7},   {7, 17, 7, 7},   {9, 12, -1, -1}, {5, 20, -1, 0},  {6, 20, -1, 0},
    };
    for (bool monochrome : {false, true}) {
        renderer.composeBoard(game, monochrome);
        for (const Cell& c : cells) {
            const int tile = monochrome ? c.monochrome : c.colour;
            const QImage expected =
                tile < 0 ? cell(pictures().backdrop, c.column, c.row) : pictures().tiles[tile];
            EXPECT_TRUE(cell(renderer.bbuffer(), c.column, c.row) == expected)
                << c.column << "," << c.row << (monochrome ? " monochrome" : "");
        }
    }
}

// Above the top edge, beside the board or below it, a piece is cut off
// quietly; of the new pieces only the long one shows, one cell at the top.
TEST_F(ComposeBoard, APieceOutOfSightChangesNothing) {
    game.piece = PieceMatrix{};
    renderer.composeBoard(game, false);
    const QImage empty = renderer.bbuffer();
    for (int shape = 0; shape < kShapeCount; ++shape) {
        game.piece = makeShape(shape);
        for (QPoint at : {QPoint(kStartX, kStartY), QPoint(-5, 40), QPoint(20, 10), QPoint(1, 6)}) {
            game.piecex = at.x();
            game.piecey = at.y();
            renderer.composeBoard(game, false);
            QImage expected = empty;
            if (shape == kI && at.y() == kStartY) {
                QPainter(&expected).drawImage((kStartX + 1 - kLeftWall) * kTileSize, 0, pictures().tiles[kI]);
            }
            EXPECT_TRUE(renderer.bbuffer() == expected)
                << "shape " << shape << " at " << at.x() << "," << at.y();
        }
    }
}

// The clearing effect blends the grey disc into the cell, light at the rim
// and dark in the middle, over whatever tile is there; no other cell changes,
// and cells above or beside the drawn board have nothing to mark.
TEST_F(ComposeBoard, AClearedCellShowsTheGreyDiscAndNothingElseChanges) {
    game.board(4, 29) = game.board(5, 29) = 2;
    renderer.composeBoard(game, false);
    QImage expected = renderer.bbuffer();
    renderer.markCell(4, 29);
    for (QPoint outside : {QPoint(4, 6), QPoint(2, 29), QPoint(17, 20), QPoint(-40, 200)}) {
        renderer.markCell(outside.x(), outside.y());
    }
    const QImage marked = cell(renderer.bbuffer(), 4, 29);
    EXPECT_GT(qGray(marked.pixel(0, 8)), 180);
    EXPECT_LT(qGray(marked.pixel(8, 8)), qGray(marked.pixel(0, 8)) - 60);
    QPainter(&expected).drawImage((4 - kLeftWall) * kTileSize, (29 - 7) * kTileSize, marked);
    EXPECT_TRUE(renderer.bbuffer() == expected);
}

// Upright, the board lands pixel for pixel on x 128..351, y 48..431 of the
// window, and nothing else is drawn, whatever was there before; at twice the
// density it is composed from the detailed pictures on twice the pixels.
using PutOnWindow = RenderTest;

TEST_F(PutOnWindow, UprightTheBoardLandsPixelForPixelAtItsPlace) {
    game.board(6, 29) = 3;
    for (int ratio : {1, 2}) {
        SCOPED_TRACE(ratio);
        renderer.setDevicePixelRatio(ratio);
        renderer.composeBoard(game, false);
        const QImage tile = ratio == 1 ? pictures().tiles[3] : DetailedPictures::load(pictures()).tiles[3];
        EXPECT_TRUE(cell(renderer.bbuffer(), 6, 29, tile.width()) == tile);

        const QRect board(QPoint(128, 48) * ratio, QSize(224, 384) * ratio);
        QImage layer(QSize(625, 482) * ratio, QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(ratio);
        renderer.putOnWindow(layer, 45, true);
        renderer.putOnWindow(layer, 0, false);
        EXPECT_TRUE(layer.copy(board).convertToFormat(QImage::Format_RGB32) == renderer.bbuffer());
        int drawn = 0;
        for (int y = 0; y < layer.height(); ++y) {
            for (int x = 0; x < layer.width(); ++x) drawn += qAlpha(layer.pixel(x, y)) != 0;
        }
        EXPECT_EQ(drawn, board.width() * board.height());
        // The window's board square shows the same.
        renderer.showBoard(0, false);
        EXPECT_TRUE(renderer.square().copy(board) == renderer.bbuffer());
    }
}

}  // namespace
}  // namespace gyrock::render::testing
