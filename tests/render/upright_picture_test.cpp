// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <QPainter>
#include <span>

#include "engine/pieces.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

constexpr int kL = 0, kI = 2;  // shape numbers

using UprightPictureTest = RenderTest;

// Each drawn cell shows the tile of its value, in monochrome the brown one
// (walls stay grey, the falling piece keeps its colour); an empty cell shows
// the backdrop, and so does a value no tile has unless the board is brown.
// No shape has 8, but a tile does.
TEST_F(UprightPictureTest, EachCellShowsItsTileOrTheBackdrop) {
    game.piece = makeShape(kL);  // colour 1: (1,0) (1,1) (1,2) (2,2)
    game.piecex = 10;
    game.piecey = 20;
    struct Cell {
        int column, row, value;  // value put on the board
        int colour, monochrome;  // the tile shown, -1 the backdrop
    };
    const Cell cells[] = {
        {3, 7, kWall, 9, 9}, {16, 30, kWall, 9, 9}, {9, 30, kWall, 9, 9}, {5, 29, 4, 4, 0},
        {6, 29, 8, 8, 0},    {7, 29, 1, 1, 0},      {11, 20, 0, 1, 1},    {12, 22, 0, 1, 1},
        {10, 20, 0, -1, -1}, {9, 12, 0, -1, -1},    {5, 20, 12, -1, 0},   {6, 20, -3, -1, 0},
    };
    for (const Cell& c : cells) game.board(c.column, c.row) = c.value;
    for (bool monochrome : {false, true}) {
        picture.compose(frameCells(game, monochrome));
        for (const Cell& c : cells) {
            const int tile = monochrome ? c.monochrome : c.colour;
            const QImage expected =
                tile < 0 ? cell(pictures().backdrop, c.column, c.row) : pictures().tiles[tile];
            EXPECT_TRUE(cell(shown(picture), c.column, c.row) == expected)
                << c.column << "," << c.row << (monochrome ? " monochrome" : "");
        }
    }
}

// Above the top edge, beside the board or below it, a piece is cut off
// quietly; of the new pieces only the long one shows, one cell at the top.
TEST_F(UprightPictureTest, APieceOutOfSightChangesNothing) {
    game.piece = PieceMatrix{};
    const UprightPicture::Cells empty = frameCells(game, false);
    for (int shape = 0; shape < kShapeCount; ++shape) {
        game.piece = makeShape(shape);
        for (QPoint at : {QPoint(kStartX, kStartY), QPoint(-5, 40), QPoint(20, 10), QPoint(1, 6)}) {
            game.piecex = at.x();
            game.piecey = at.y();
            UprightPicture::Cells expected = empty;
            if (shape == kI && at.y() == kStartY) expected[kStartX + 1 - kLeftWall] = kI;
            EXPECT_TRUE(frameCells(game, false) == expected)
                << "shape " << shape << " at " << at.x() << "," << at.y();
        }
    }
}

// The clearing effect blends the grey disc into a cell, light at the rim
// and dark in the middle, over whatever tile is there, walls and floor
// included; no other cell changes, and cells above or beside the drawn
// board have nothing to mark.
TEST_F(UprightPictureTest, AClearedCellShowsTheGreyDiscAndNothingElseChanges) {
    game.board(4, 29) = game.board(5, 29) = 2;
    picture.compose(frameCells(game, false));
    QImage expected = shown(picture);
    // The first three drawn, the others above or beside the drawn board.
    const QPoint marks[] = {{4, 29},  {kLeftWall, 7}, {kRightWall, kFloorRow}, {4, 6}, {2, 29},
                            {17, 20}, {-40, 200}};
    for (QPoint m : marks) picture.mark(m.x(), m.y());
    for (QPoint m : std::span(marks, 3)) {
        const QImage marked = cell(shown(picture), m.x(), m.y());
        EXPECT_GT(qGray(marked.pixel(0, 8)), 150) << m.x() << "," << m.y();
        EXPECT_LT(qGray(marked.pixel(8, 8)), qGray(marked.pixel(0, 8)) - 60) << m.x();
        QPainter(&expected).drawImage((m.x() - kLeftWall) * kTileSize, (m.y() - 7) * kTileSize,
                                      marked);
    }
    EXPECT_TRUE(shown(picture) == expected);
}

}  // namespace
}  // namespace gyrock::render::testing
