// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "game_fixture.h"

namespace gyrock::testing {
namespace {

PieceMatrix fromRows(std::initializer_list<const char*> rows, std::uint8_t colour) {
    PieceMatrix m;
    m.n = static_cast<int>(rows.size());
    int j = 0;
    for (const char* row : rows) {
        for (int i = 0; i < m.n; ++i) m(i, j) = row[i] == 'X' ? colour : 0;
        ++j;
    }
    return m;
}

TEST(Shapes, TableHasTheSevenShapesWithTheirColours) {
    EXPECT_EQ(makeShape(0), fromRows({".X.", ".X.", ".XX"}, 1));
    EXPECT_EQ(makeShape(1), fromRows({"X..", "XX.", ".X."}, 4));
    EXPECT_EQ(makeShape(2), fromRows({".X..", ".X..", ".X..", ".X.."}, 2));
    EXPECT_EQ(makeShape(3), fromRows({"XX", "XX"}, 3));
    EXPECT_EQ(makeShape(4), fromRows({".X.", ".X.", "XX."}, 5));
    EXPECT_EQ(makeShape(5), fromRows({".X.", "XX.", "X.."}, 6));
    EXPECT_EQ(makeShape(6), fromRows({"...", "XXX", ".X."}, 7));
}

TEST(Shapes, TurnIsClockwiseAboutTheMatrix) {
    struct Case {
        int shape, quarters;
        PieceMatrix expected;
    };
    const Case cases[] = {
        {kShapeL, 1, fromRows({"...", "XXX", "X.."}, 1)},
        {kShapeL, 2, fromRows({"XX.", ".X.", ".X."}, 1)},
        {kShapeL, 3, fromRows({"..X", "XXX", "..."}, 1)},
        {kShapeI, 1, fromRows({"....", "XXXX", "....", "...."}, 2)},
        {kShapeI, 2, fromRows({"..X.", "..X.", "..X.", "..X."}, 2)},
        {kShapeI, 3, fromRows({"....", "....", "XXXX", "...."}, 2)},
        {kShapeO, 1, makeShape(kShapeO)},
    };
    for (const Case& c : cases) EXPECT_EQ(turnedTimes(makeShape(c.shape), c.quarters), c.expected) << c.shape;
    for (int k = 0; k < kShapeCount; ++k) EXPECT_EQ(turnedTimes(makeShape(k), 4), makeShape(k)) << k;
}

using Turning = GameTest;

TEST_F(Turning, IsRefusedWhereTheTurnedPieceWouldNotFitWithNoKick) {
    struct Case {
        int shape, quarters, x, y;
        std::pair<int, int> blocked;  // a stack cell, or none at (0, 0)
        bool turns;
    };
    const Case cases[] = {
        {kShapeI, 0, 3, 12, {0, 0}, false},   // against the left wall
        {kShapeI, 0, 14, 12, {0, 0}, false},  // against the right wall
        {kShapeI, 0, 4, 12, {0, 0}, true},
        {kShapeT, 0, 9, 10, {10, 10}, false},  // against the stack
        {kShapeT, 0, 9, 10, {0, 0}, true},
        {kShapeI, 1, 8, 28, {0, 0}, false},  // lying on the floor: upright it would reach row 31
        {kShapeL, 0, 9, 4, {0, 0}, true},    // above the visible rows too
    };
    for (const Case& c : cases) {
        startPaused();
        place(c.shape, c.x, c.y);
        game.piece = turnedTimes(game.piece, c.quarters);
        if (c.blocked.first != 0) game.board(c.blocked.first, c.blocked.second) = 5;
        const PieceMatrix before = game.piece;
        game.rotatePiece();
        EXPECT_EQ(game.piece, c.turns ? turned(before) : before) << c.shape << " at " << c.x << "," << c.y;
        EXPECT_EQ(game.piecex, c.x);
        EXPECT_EQ(game.piecey, c.y);
    }
}

TEST_F(Turning, FirstAndNextPieceAreSeparateDrawsEvenAtOneTick) {
    std::array<int, kShapeCount> firstSeen{};
    int different = 0;
    for (int k = 0; k < 200; ++k) {
        game.firstPiece();
        game.nextPiece();
        different += game.piece != game.nextpiece;
        for (int s = 0; s < kShapeCount; ++s) firstSeen[s] += game.piece == makeShape(s);
    }
    EXPECT_GT(different, 120);
    for (int n : firstSeen) EXPECT_GT(n, 10);
    EXPECT_EQ(game.piecex, 9);
    EXPECT_EQ(game.piecey, 4);
}

}  // namespace
}  // namespace gyrock::testing
