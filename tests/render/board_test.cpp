// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <cmath>

#include "engine/pieces.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

constexpr int kO = 3, kI = 2, kT = 6;  // shape numbers

bool opaque(const QImage& layer, int x, int y) { return qAlpha(layer.pixel(x, y)) == 255; }
bool clear(const QImage& layer, int x, int y) { return qAlpha(layer.pixel(x, y)) == 0; }

// ---- composing the upright board -------------------------------------------

using ComposeBoard = RenderTest;

TEST_F(ComposeBoard, EmptyCellsShowTheBackdropAndWallsTheGreyTile) {
    renderer.composeBoard(game, false);
    const QImage& b = renderer.bbuffer();
    ASSERT_EQ(b.size(), QSize(224, 384));
    EXPECT_TRUE(cellShowsTile(b, 3, 7, pictures().tiles[9]));
    EXPECT_TRUE(cellShowsTile(b, 16, 30, pictures().tiles[9]));
    EXPECT_TRUE(cellShowsTile(b, 9, 30, pictures().tiles[9]));
    // An empty well cell is the backdrop at that place.
    for (int dy = 0; dy < 16; ++dy) {
        for (int dx = 0; dx < 16; ++dx) {
            ASSERT_EQ(b.pixel(96 + dx, 160 + dy), pictures().backdrop.pixel(96 + dx, 160 + dy));
        }
    }
}

TEST_F(ComposeBoard, LockedCellsTakeTheirColourOrBrownInMonochrome) {
    game.board(5, 29) = 4;
    game.board(6, 29) = 7;
    game.piece = PieceMatrix{};

    renderer.composeBoard(game, false);
    EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 5, 29, pictures().tiles[4]));
    EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 6, 29, pictures().tiles[7]));

    renderer.composeBoard(game, true);
    EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 5, 29, pictures().tiles[0]));
    EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 6, 29, pictures().tiles[0]));
    EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 3, 29, pictures().tiles[9]));
}

TEST_F(ComposeBoard, FallingPieceKeepsItsColourInMonochrome) {
    game.piece = makeShape(kT);  // colour 7: (0,1) (1,1) (2,1) (1,2)
    game.piecex = 6;
    game.piecey = 15;
    for (bool mono : {false, true}) {
        renderer.composeBoard(game, mono);
        EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 6, 16, pictures().tiles[7])) << mono;
        EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 8, 16, pictures().tiles[7])) << mono;
        EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 7, 17, pictures().tiles[7])) << mono;
    }
}

TEST_F(ComposeBoard, NewPieceIsHiddenAboveTheTopEdgeExceptTheLongOne) {
    game.piece = PieceMatrix{};
    renderer.composeBoard(game, false);
    const QImage withoutPiece = renderer.bbuffer().copy();

    for (int shape = 0; shape < kShapeCount; ++shape) {
        game.piece = makeShape(shape);
        game.piecex = kStartX;
        game.piecey = kStartY;
        renderer.composeBoard(game, false);
        if (shape == kI) {
            // Only the matrix's bottom row reaches row 7: one cell, column 1 of the matrix.
            const QImage withPiece = renderer.bbuffer();
            EXPECT_TRUE(cellShowsTile(withPiece, kStartX + 1, 7, pictures().tiles[2]));
            for (int y = 0; y < 384; ++y) {
                for (int x = 0; x < 224; ++x) {
                    const bool inCell = x >= (kStartX + 1 - 3) * 16 && x < (kStartX + 2 - 3) * 16 && y < 16;
                    if (!inCell) {
                        ASSERT_EQ(withPiece.pixel(x, y), withoutPiece.pixel(x, y));
                    }
                }
            }
        } else {
            EXPECT_EQ(renderer.bbuffer(), withoutPiece) << "shape " << shape;
        }
    }
}

TEST_F(ComposeBoard, OddValuesAndPiecesOffTheEdgeAreCutOffQuietly) {
    game.board(5, 20) = 12;
    game.board(6, 20) = -3;
    game.board(7, 20) = 8;  // no shape has it, but a tile does
    game.piece = makeShape(kO);
    game.piecex = -5;
    game.piecey = 40;
    renderer.composeBoard(game, false);
    EXPECT_TRUE(cellShowsTile(renderer.bbuffer(), 7, 20, pictures().tiles[8]));
    for (int c : {5, 6}) {
        const QRgb backdrop = pictures().backdrop.pixel((c - 3) * 16 + 4, (20 - 7) * 16 + 4);
        EXPECT_EQ(renderer.bbuffer().pixel((c - 3) * 16 + 4, (20 - 7) * 16 + 4), backdrop);
    }
    game.piecex = 2;  // half over the left edge
    game.piecey = 6;
    renderer.composeBoard(game, false);
    EXPECT_TRUE(showsTile(renderer.bbuffer(), 0, 0, pictures().tiles[9]));
}

// ---- the clearing mark -----------------------------------------------------

using MarkCell = RenderTest;

TEST_F(MarkCell, TurnsTheCellIntoTheGreyDiscAndMarksAccumulate) {
    game.board(4, 29) = 2;
    game.board(5, 29) = 2;
    renderer.composeBoard(game, false);
    renderer.markCell(4, 29);
    renderer.markCell(5, 29);
    const QImage b = renderer.bbuffer();
    for (int column : {4, 5}) {
        const int x = (column - 3) * 16, y = (29 - 7) * 16;
        const QRgb rim = b.pixel(x, y + 8);
        const QRgb centre = b.pixel(x + 8, y + 8);
        // The rim goes light grey over the red tile; the centre stays darker.
        EXPECT_GT(qGreen(rim), 180) << column;
        EXPECT_GT(qBlue(rim), 180) << column;
        EXPECT_LT(qGray(centre), qGray(rim) - 60) << column;
        EXPECT_FALSE(cellShowsTile(b, column, 29, pictures().tiles[2]));
    }
    // The neighbours are untouched.
    EXPECT_TRUE(cellShowsTile(b, 3, 29, pictures().tiles[9]));
}

TEST_F(MarkCell, RowsAboveTheVisibleBoardChangeNothing) {
    game.board(4, 7) = 1;
    renderer.composeBoard(game, false);
    const QImage before = renderer.bbuffer().copy();
    renderer.markCell(4, 6);
    renderer.markCell(4, 5);
    renderer.markCell(-40, 200);
    EXPECT_EQ(renderer.bbuffer(), before);
}

// ---- putting the board on the window ---------------------------------------

using PutOnWindow = RenderTest;

TEST_F(PutOnWindow, UprightBoardSitsPixelExactAt128By48) {
    game.board(4, 29) = 5;
    renderer.composeBoard(game, false);
    QImage layer = windowLayer();
    renderer.putOnWindow(layer, 0, false);
    EXPECT_TRUE(showsTile(layer, 128, 48, pictures().tiles[9]));
    EXPECT_EQ(layer.copy(128, 48, 224, 384).convertToFormat(QImage::Format_RGB32), renderer.bbuffer());
    EXPECT_TRUE(clear(layer, 127, 48));
    EXPECT_TRUE(clear(layer, 128, 47));
    EXPECT_TRUE(opaque(layer, 351, 431));
    EXPECT_TRUE(clear(layer, 352, 431));
    EXPECT_TRUE(clear(layer, 351, 432));
}

TEST_F(PutOnWindow, EquivalentAnglesGiveTheSamePicture) {
    game.board(6, 25) = 3;
    renderer.composeBoard(game, false);
    for (bool smooth : {false, true}) {
        QImage a = windowLayer(), b = windowLayer();
        renderer.putOnWindow(a, 300, smooth);
        renderer.putOnWindow(b, -60, smooth);
        EXPECT_EQ(a, b) << "300 vs -60, smooth " << smooth;
        renderer.putOnWindow(a, 360, smooth);
        renderer.putOnWindow(b, 0, smooth);
        EXPECT_EQ(a, b) << "360 vs 0, smooth " << smooth;
        renderer.putOnWindow(a, 37 + 720, smooth);
        renderer.putOnWindow(b, 37 - 360, smooth);
        EXPECT_EQ(a, b) << "757 vs -323, smooth " << smooth;
    }
}

TEST_F(PutOnWindow, PositiveAngleTurnsClockwise) {
    renderer.composeBoard(game, false);
    QImage layer = windowLayer();
    renderer.putOnWindow(layer, 90, false);
    // A quarter turn clockwise lays the 384-high board on its side, 384 wide,
    // with its top-left wall corner at the top right.
    EXPECT_TRUE(opaque(layer, 240 - 191, 240 - 111));
    EXPECT_TRUE(clear(layer, 240 - 193, 240));
    EXPECT_TRUE(opaque(layer, 240 + 191, 240 + 111));
    EXPECT_TRUE(clear(layer, 240, 240 - 113));
    // The board's top-left tile (the wall, grey) is now at the top right.
    const QRgb corner = layer.pixel(240 + 188, 240 - 108);
    EXPECT_NEAR(qRed(corner), 51, 30);
    EXPECT_NEAR(qRed(corner), qBlue(corner), 12);
}

TEST_F(PutOnWindow, EachFrameReplacesTheLastAndStaysInTheLeftSquare) {
    renderer.composeBoard(game, false);
    QImage layer = windowLayer();
    for (int angle : {45, 0, 137}) renderer.putOnWindow(layer, angle, true);
    int inside = 0;
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(layer.pixel(x, y)) == 0) continue;
            ASSERT_LT(std::hypot(x + 0.5 - 240, y + 0.5 - 240), 224) << x << "," << y;
            ++inside;
        }
    }
    // Only the latest frame: about the board's area, not the union of three.
    EXPECT_NEAR(inside, 224 * 384, 224 * 384 / 50);
    renderer.putOnWindow(layer, 0, false);
    EXPECT_TRUE(clear(layer, 127, 240));
    EXPECT_TRUE(clear(layer, 360, 240));
}

TEST_F(PutOnWindow, HighDensityLayerMapsTheSameGeometryAtDeviceResolution) {
    game.board(4, 29) = 5;
    renderer.composeBoard(game, false);
    QImage layer = windowLayer(2);
    ASSERT_EQ(layer.size(), QSize(1250, 964));

    renderer.putOnWindow(layer, 0, false);
    // Logical (128, 48) is device (256, 96); each board pixel covers 2 x 2.
    const QImage& wall = pictures().tiles[9];
    for (int dy = 0; dy < 32; ++dy)
        for (int dx = 0; dx < 32; ++dx) ASSERT_EQ(layer.pixel(256 + dx, 96 + dy), wall.pixel(dx / 2, dy / 2));
    EXPECT_TRUE(clear(layer, 255, 96));
    EXPECT_TRUE(clear(layer, 256, 95));
    EXPECT_TRUE(opaque(layer, 703, 863));
    EXPECT_TRUE(clear(layer, 704, 863));
    EXPECT_TRUE(clear(layer, 703, 864));

    // Turned, the edge steps at device pixels: some aligned 2 x 2 blocks are
    // only partly covered, which a doubled low-resolution picture never has.
    renderer.putOnWindow(layer, 30, false);
    int split = 0, covered = 0;
    for (int y = 0; y < 964; y += 2) {
        for (int x = 0; x < 960; x += 2) {
            const int n = opaque(layer, x, y) + opaque(layer, x + 1, y) + opaque(layer, x, y + 1) +
                          opaque(layer, x + 1, y + 1);
            covered += n;
            split += (n == 1 || n == 2 || n == 3);
        }
    }
    EXPECT_GT(split, 200);
    EXPECT_NEAR(covered, 4 * 224 * 384, 4 * 224 * 384 / 100);
}

}  // namespace
}  // namespace gyrock::render::testing
