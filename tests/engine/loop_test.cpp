#include "game_fixture.h"

namespace gyrock::testing {
namespace {

using Loop = GameTest;

TEST_F(Loop, NothingMovesOrFallsOnEntryEvenWithKeysHeld) {
    place(kShapeT, 9, 10);
    host.hold(Arrow::Left);
    host.hold(Arrow::Up);
    runFor(69);
    EXPECT_EQ(game.piecex, 9);
    EXPECT_EQ(game.piece, makeShape(kShapeT));
    runFor(1);  // re-entry restarts the ticks: still nothing at 1 ms
    EXPECT_EQ(game.piecex, 9);
    runFor(70);
    EXPECT_EQ(game.piecex, 8);
    EXPECT_NE(game.piece, makeShape(kShapeT));
    EXPECT_EQ(game.piecey, 10);
}

TEST_F(Loop, HeldKeyRepeatsEveryMoveTickUntilTheWall) {
    place(kShapeO, 9, 10);
    host.hold(Arrow::Left);
    runFor(70 * 3 + 10);
    EXPECT_EQ(game.piecex, 6);
    runFor(70 * 10);
    EXPECT_EQ(game.piecex, 4);  // the O stops against the wall at column 3
}

TEST_F(Loop, LeftAndRightTogetherCancelInOneTick) {
    place(kShapeO, 9, 10);
    host.hold(Arrow::Left);
    host.hold(Arrow::Right);
    runFor(300);
    EXPECT_EQ(game.piecex, 9);
}

TEST_F(Loop, TurnComesBeforeTheShiftInOneTick) {
    place(kShapeI, 3, 10);  // upright against the left wall: cannot turn there
    host.hold(Arrow::Up);
    host.hold(Arrow::Right);
    runFor(70);
    // Turn refused at x 3, then shifted: the turn comes first.
    EXPECT_EQ(game.piecex, 4);
    EXPECT_EQ(game.piece, makeShape(kShapeI));
}

TEST_F(Loop, FallsOneRowPerIntervalOfTheLevel) {
    place(kShapeO, 9, 10);
    runFor(679);
    EXPECT_EQ(game.piecey, 10);
    runFor(680 * 3);
    EXPECT_EQ(game.piecey, 13);
    game.level = 29;  // 120 ms
    runFor(120 * 5);
    EXPECT_EQ(game.piecey, 18);
}

TEST_F(Loop, DownActsOnThePassItIsSeenAndReleaseRestoresTheLevelPace) {
    place(kShapeO, 9, 10);
    int rowJustAfterPress = 0, rowBeforeNormalFall = 0;
    host.after(100, [this] { host.hold(Arrow::Down); });
    host.after(101, [&] { rowJustAfterPress = game.piecey; });
    host.after(200, [this] { host.hold(Arrow::Down, false); });
    host.after(850, [&] { rowBeforeNormalFall = game.piecey; });
    runFor(860);
    EXPECT_EQ(rowJustAfterPress, 11);    // 100 ms since the last fall: at once
    EXPECT_EQ(rowBeforeNormalFall, 14);  // 125, 150, 175, then 680 ms again
    EXPECT_EQ(game.piecey, 15);
}

TEST_F(Loop, PieceLocksOnlyAtTheNextFallTickAndHandsOver) {
    place(kShapeO, 9, 27);  // rows 27..28; the floor is row 30
    const PieceMatrix next = game.nextpiece;
    game.level = 29;        // 120 ms a row
    int rowAfterFirstFall = 0;
    std::int8_t cellBeforeLock = -1;
    host.after(121, [&] { rowAfterFirstFall = game.piecey; });
    host.after(240, [&] {
        cellBeforeLock = game.board(9, 29);
        host.calls.clear();
    });
    runFor(241);
    EXPECT_EQ(rowAfterFirstFall, 28);
    EXPECT_EQ(cellBeforeLock, kEmpty);  // landed, but still movable until the next tick
    EXPECT_EQ(game.board(9, 29), 3);
    EXPECT_EQ(game.board(10, 28), 3);
    EXPECT_EQ(game.piece, next);
    EXPECT_EQ(game.piecex, 9);
    EXPECT_EQ(game.piecey, 4);
    ASSERT_GE(host.calls.size(), 5u);
    EXPECT_EQ(host.calls[0], "drawBoard");  // line clearing shows the locked piece
    EXPECT_EQ(host.calls[4], "preview");
}

TEST_F(Loop, BlockedAtRowFiveEndsTheGameWithoutWritingThePiece) {
    for (int y = 7; y <= 29; ++y) game.board(9, y) = 1;
    place(kShapeO, 9, 5);
    const Board before = game.board;
    runFor(700);
    EXPECT_EQ(game.gameover, kTrue);
    EXPECT_EQ(game.board.cells, before.cells);
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.back(), "finishGame");  // no redraw after it
}

TEST_F(Loop, BlockedNewPieceAtRowFourEndsTheGame) {
    for (int y = 6; y <= 29; ++y) game.board(10, y) = 1;
    place(kShapeO, 9, 4);
    runFor(700);
    EXPECT_EQ(game.gameover, kTrue);
    EXPECT_EQ(game.board(9, 5), kEmpty);
}

TEST_F(Loop, PieceReachingRowSixLocks) {
    for (int y = 8; y <= 29; ++y) game.board(9, y) = 1;
    place(kShapeO, 9, 6);
    runFor(700);
    EXPECT_EQ(game.gameover, kFalse);
    EXPECT_EQ(game.board(9, 6), 3);
}

TEST_F(Loop, RenderTickTurnsOnlyInTheTurningMode) {
    host.turning = false;
    game.turncount = 1;
    game.targetangle = 50;
    runFor(1000);
    EXPECT_EQ(game.angle, 0);
    EXPECT_EQ(game.turncount, 1);
    EXPECT_EQ(host.count("drawBoard"), 40);
    host.turning = true;
    game.turncount = 500;
    runFor(250);
    EXPECT_EQ(game.angle, 20);
}

TEST_F(Loop, YieldWaitsUntilTheNextTickIsDue) {
    place(kShapeO, 9, 10);
    host.yields = 0;
    runFor(700);
    // One yield per pass; the hint lets the clock jump from tick to tick
    // (28 renders, 10 moves, 1 fall) instead of spinning millisecond by millisecond.
    EXPECT_LE(host.yields, 45);
    EXPECT_GE(host.yields, 28);
}

TEST_F(Loop, ClockWrapKeepsTheSpacings) {
    host.now = 0xFFFFFFFFull - 30;
    place(kShapeO, 9, 10);
    runFor(700);
    EXPECT_EQ(game.piecey, 11);
    EXPECT_EQ(host.count("drawBoard"), 28);
}

using PauseKey = GameTest;

TEST_F(PauseKey, DoesNothingWithoutAGameInProgress) {
    FakeHost idle;
    Game fresh(idle);
    fresh.keyPress('p');
    EXPECT_EQ(fresh.paused, kFalse);
    host.frameShown = true;  // after a game has ended
    game.keyPress('P');
    EXPECT_EQ(game.paused, kFalse);
    host.frameShown = false;
    game.gameover = kTrue;
    game.keyPress('P');
    EXPECT_EQ(game.paused, kFalse);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(PauseKey, OnlyPAndLowerCasePAct) {
    for (int c : {int{'o'}, int{'q'}, int{' '}, 27, 13, 'P' + 256}) game.keyPress(c);
    EXPECT_EQ(game.paused, kFalse);
    game.keyPress('p');
    EXPECT_EQ(game.paused, kTrue);
}

TEST_F(PauseKey, PausesTheRunningLoopAndResumesItInsideTheHandler) {
    place(kShapeO, 9, 10);
    host.after(100, [this] { game.keyPress('P'); });
    game.gameLoop();  // returns: paused
    EXPECT_EQ(game.paused, kTrue);
    EXPECT_EQ(host.calls.back(), "paused:show");
    host.after(1000, [this] { game.keyPress('p'); });
    game.keyPress('p');
    // Resumed at once for 1000 ms; then paused once more.
    EXPECT_EQ(game.paused, kTrue);
    EXPECT_EQ(game.piecey, 11);
}

TEST_F(PauseKey, TwoPressesInOneYieldPauseAndResumeAtOnce) {
    place(kShapeO, 9, 10);
    host.after(100, [this] {
        game.keyPress('P');
        game.keyPress('P');  // starts a nested loop, which runs the game on
    });
    host.after(1500, [this] { game.paused = kTrue; });
    game.gameLoop();
    EXPECT_EQ(game.piecey, 12);  // the game ran on for 1500 ms, nested
    EXPECT_EQ(host.count("paused:show"), 1);
    EXPECT_EQ(host.count("paused:hide"), 1);
}

TEST_F(PauseKey, ClosingEndsNestedLoopsAndWaits) {
    host.after(100, [this] { game.keyPress('P'); });
    host.after(100, [this] { game.keyPress('P'); });
    host.after(300, [this] { host.closingFlag = true; });
    game.gameLoop();
    EXPECT_TRUE(host.closingFlag);
    const int before = host.yields;
    game.delay(1000);
    EXPECT_EQ(host.yields, before);
}

using Delay = GameTest;

TEST_F(Delay, ZeroOrNegativeReturnsWithoutYielding) {
    const int before = host.yields;
    const auto t = host.now;
    game.delay(0);
    game.delay(-5);
    game.delay(-2147483647 - 1);
    EXPECT_EQ(host.yields, before);
    EXPECT_EQ(host.now, t);
}

TEST_F(Delay, WaitsAtLeastItsTimeAndTellsYieldTheRest) {
    const auto t = host.now;
    int yields = host.yields;
    game.delay(15);
    EXPECT_EQ(host.now - t, 15u);
    EXPECT_EQ(host.yields - yields, 1);  // one wait of the whole 15 ms
    // Events during the wait run, and the wait still lasts its time.
    bool ran = false;
    host.after(5, [&] { ran = true; });
    game.delay(15);
    EXPECT_TRUE(ran);
    EXPECT_EQ(host.now - t, 30u);
}

}  // namespace
}  // namespace gyrock::testing
