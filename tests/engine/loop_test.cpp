// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
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

TEST_F(Loop, HeldKeysActOncePerMoveTickUpToTheWalls) {
    struct Case {
        std::vector<Arrow> keys;
        int shape, x;
        Tick ms;
        int xAfter, quarters;
    };
    const Case cases[] = {
        {{Arrow::Left}, kShapeO, 9, 70 * 3 + 10, 6, 0},
        {{Arrow::Left}, kShapeO, 9, 70 * 10, 4, 0},  // against the left wall
        {{Arrow::Right}, kShapeO, 9, 70 * 10, 14, 0},
        {{Arrow::Left, Arrow::Right}, kShapeO, 9, 300, 9, 0},
        // At the wall the turn is refused, then the shift happens: the turn comes first.
        {{Arrow::Up, Arrow::Right}, kShapeI, 3, 70, 4, 0},
        {{Arrow::Up}, kShapeL, 9, 70 * 2, 9, 2},
    };
    for (const Case& c : cases) {
        host.held = {};
        for (Arrow key : c.keys) host.hold(key);
        place(c.shape, c.x, 10);
        runFor(c.ms);
        EXPECT_EQ(game.piecex, c.xAfter) << c.ms;
        EXPECT_EQ(game.piece, turnedTimes(makeShape(c.shape), c.quarters)) << c.ms;
    }
}

TEST_F(Loop, FallsOneRowPerIntervalOfTheLevelOrFastWithDownHeld) {
    struct Case {
        std::int16_t level;
        bool down;
        Tick ms;
        int rows;
    };
    for (Case c : {Case{1, false, 679, 0}, Case{1, false, 680 * 3, 3}, Case{29, false, 120 * 5, 5},
                   Case{1, true, 24, 0}, Case{1, true, 25 * 8, 8}}) {
        place(kShapeO, 9, 10);
        game.level = c.level;
        host.hold(Arrow::Down, c.down);
        runFor(c.ms);
        EXPECT_EQ(game.piecey, 10 + c.rows) << c.level << " " << c.down << " " << c.ms;
    }
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

TEST_F(Loop, APieceBlockedAboveRowSixEndsTheGameUnwritten) {
    for (auto [row, ends] : {std::pair{4, true}, std::pair{5, true}, std::pair{6, false}}) {
        startPaused();
        for (int y = row + 2; y <= 29; ++y) game.board(9, y) = 1;
        place(kShapeO, 9, row);
        runFor(700);
        EXPECT_EQ(game.gameover != kFalse, ends) << row;
        EXPECT_EQ(game.board(10, row + 1), ends ? kEmpty : 3) << row;
        EXPECT_EQ(host.calls.back() == "finishGame", ends) << row;  // no redraw after it
    }
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

TEST_F(Loop, YieldWaitsUntilTheNextTickIsDueAcrossTheClockWrap) {
    for (std::uint64_t start : {200000ull, 0xFFFFFFFFull - 30}) {
        host.now = start;
        host.calls.clear();
        host.yields = 0;
        place(kShapeO, 9, 10);
        runFor(700);
        EXPECT_EQ(game.piecey, 11) << start;
        EXPECT_EQ(host.count("drawBoard"), 28) << start;
        // One yield per pass; the hint lets the clock jump from tick to tick
        // (28 renders, 10 moves, 1 fall) instead of spinning millisecond by millisecond.
        EXPECT_LE(host.yields, 45) << start;
        EXPECT_GE(host.yields, 28) << start;
    }
}

using PauseKey = GameTest;

TEST_F(PauseKey, OnlyPOrLowerCasePPausesAndOnlyDuringAGame) {
    struct Case {
        bool frameShown;  // no game yet, or the last one has ended
        Flag over;
        int key;
        bool pauses;
    };
    const Case cases[] = {{true, kFalse, 'p', false}, {false, kTrue, 'P', false}, {false, kFalse, 'o', false},
                          {false, kFalse, ' ', false}, {false, kFalse, 27, false}, {false, kFalse, 'P' + 256, false},
                          {false, kFalse, 'p', true},  {false, kFalse, 'P', true}};
    for (Case c : cases) {
        host.frameShown = c.frameShown;
        game.gameover = c.over;
        game.paused = kFalse;
        host.calls.clear();
        game.keyPress(c.key);
        EXPECT_EQ(game.paused != kFalse, c.pauses) << c.key;
        EXPECT_EQ(host.calls, c.pauses ? std::vector<std::string>{"paused:show"} : std::vector<std::string>{});
    }
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
    EXPECT_EQ(host.count("paused:hide"), 1);
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

TEST_F(Delay, WaitsItsTimeInOneYieldAndNothingForZeroOrLess) {
    for (auto [ms, waited] : {std::pair{0, 0}, std::pair{-5, 0}, std::pair{-2147483647 - 1, 0},
                              std::pair{1, 1}, std::pair{15, 15}}) {
        const auto t = host.now;
        host.yields = 0;
        game.delay(ms);
        EXPECT_EQ(host.now - t, static_cast<std::uint64_t>(waited)) << ms;
        EXPECT_EQ(host.yields, waited > 0 ? 1 : 0) << ms;  // one wait of the whole time
    }
    // Events during the wait run, and the wait still lasts its time.
    const auto t = host.now;
    bool ran = false;
    host.after(5, [&] { ran = true; });
    game.delay(15);
    EXPECT_TRUE(ran);
    EXPECT_EQ(host.now - t, 15u);
}

}  // namespace
}  // namespace gyrock::testing
