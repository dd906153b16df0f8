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
    const PieceMatrix l = makeShape(kShapeL);
    EXPECT_EQ(turned(l), fromRows({"...", "XXX", "X.."}, 1));
    EXPECT_EQ(turned(turned(l)), fromRows({"XX.", ".X.", ".X."}, 1));
    EXPECT_EQ(turned(turned(turned(l))), fromRows({"..X", "XXX", "..."}, 1));
    for (int k = 0; k < kShapeCount; ++k) {
        const PieceMatrix m = makeShape(k);
        EXPECT_EQ(turned(turned(turned(turned(m)))), m) << k;
    }
    EXPECT_EQ(turned(makeShape(kShapeO)), makeShape(kShapeO));
}

TEST(Shapes, TheIWalksThroughItsFourStates) {
    const PieceMatrix i0 = makeShape(kShapeI);
    EXPECT_EQ(turned(i0), fromRows({"....", "XXXX", "....", "...."}, 2));
    EXPECT_EQ(turned(turned(i0)), fromRows({"..X.", "..X.", "..X.", "..X."}, 2));
    EXPECT_EQ(turned(turned(turned(i0))), fromRows({"....", "....", "XXXX", "...."}, 2));
}

using Turning = GameTest;

TEST_F(Turning, RefusedAgainstEitherWallWithNoKick) {
    for (int x : {3, 14}) {
        place(kShapeI, x, 12);
        game.rotatePiece();
        EXPECT_EQ(game.piece, makeShape(kShapeI)) << x;
        EXPECT_EQ(game.piecex, x);
        EXPECT_EQ(game.piecey, 12);
    }
    place(kShapeI, 4, 12);
    game.rotatePiece();
    EXPECT_NE(game.piece, makeShape(kShapeI));
}

TEST_F(Turning, RefusedAgainstTheStackAndTheFloor) {
    place(kShapeT, 9, 10);
    game.board(10, 10) = 5;  // the turned T needs matrix cell (1, 0)
    game.rotatePiece();
    EXPECT_EQ(game.piece, makeShape(kShapeT));
    const PieceMatrix lying = turned(makeShape(kShapeI));
    game.piece = lying;  // in matrix row 1, that is board row 29, on the floor
    game.piecex = 8;
    game.piecey = 28;
    game.rotatePiece();  // upright it would reach row 31
    EXPECT_EQ(game.piece, lying);
}

TEST_F(Turning, WorksAboveTheVisibleRowsAndSpinsOncePerMoveTick) {
    place(kShapeL, 9, 4);
    host.hold(Arrow::Up);
    runFor(70 * 2);
    EXPECT_EQ(game.piece, turned(turned(makeShape(kShapeL))));
    EXPECT_EQ(game.piecex, 9);
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
