// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "game_fixture.h"

namespace gyrock::testing {

using Loop = GameTest;

TEST_F(Loop, HeldKeysActOncePerMoveTickAndThePieceFallsAtTheLevelPace) {
    struct Case {
        std::vector<Arrow> keys;
        int shape, x;
        std::int16_t level;
        Tick ms;
        int xAfter, rowsFallen, quarters;
    };
    const Case cases[] = {
        {{Arrow::Left}, kShapeO, 9, 1, 70 * 3 + 10, 6, 0, 0},
        // Every entry restarts the ticks: nothing moves, turns or falls at first.
        {{Arrow::Left, Arrow::Up}, kShapeT, 9, 1, 69, 9, 0, 0},
        {{Arrow::Right}, kShapeO, 9, 1, 70 * 10, 14, 1, 0},
        {{Arrow::Left}, kShapeI, 5, 1, 70 * 4, 3, 0, 0},  // stops with its empty column over the
                                                          // wall
        {{Arrow::Left, Arrow::Right}, kShapeO, 9, 1, 300, 9, 0, 0},
        // At the wall the turn is refused, with no kick; then the shift happens: the turn comes
        // first.
        {{Arrow::Up, Arrow::Right}, kShapeI, 3, 1, 70, 4, 0, 0},
        {{Arrow::Up}, kShapeI, 4, 1, 70, 4, 0, 1},
        {{Arrow::Up}, kShapeL, 9, 1, 70 * 2, 9, 0, 2},
        {{}, kShapeO, 9, 1, 679, 9, 0, 0},
        {{}, kShapeO, 9, 1, 680 * 3, 9, 3, 0},
        {{}, kShapeO, 9, 29, 120 * 5, 9, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "shape " << c.shape << " for " << c.ms << " ms");
        host.held = {};
        for (Arrow key : c.keys) host.hold(key);
        place(c.shape, c.x, 10);
        game.level = c.level;
        runFor(c.ms);
        EXPECT_EQ(game.piecex, c.xAfter);
        EXPECT_EQ(game.piecey, 10 + c.rowsFallen);
        EXPECT_EQ(game.piece, turnedTimes(makeShape(c.shape), c.quarters));
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

TEST_F(Loop, APieceLocksAtTheFallTickAfterLandingOrEndsTheGameUnwrittenAboveRowSix) {
    for (auto [row, ends] : {std::pair{3, true}, std::pair{4, true}, std::pair{5, false}}) {
        SCOPED_TRACE(row);
        startPaused();
        const PieceMatrix next = game.nextpiece;
        for (int y = row + 3; y <= 29; ++y) game.board(9, y) = 1;
        place(kShapeO, 9, row);
        std::int8_t cellBeforeLock = -1;
        host.after(1359, [&] { cellBeforeLock = game.board(10, row + 2); });  // landed at 680 ms
        runFor(1400);
        EXPECT_EQ(cellBeforeLock, kEmpty);
        EXPECT_EQ(game.board(10, row + 2), ends ? kEmpty : 3);
        EXPECT_EQ(game.gameover, ends);
        EXPECT_EQ(host.calls.back() == "finishGame", ends);  // no redraw after it
        if (!ends) {
            EXPECT_EQ(std::tuple(game.piece, game.piecex, game.piecey), std::tuple(next, 9, 4));
        }
    }
}

TEST_F(Loop, RendersEvery25MsTurningOnlyInThatModeAndWakesOnlyForTicksThatChangeSomething) {
    for (auto [start, turning] :
         {std::pair{200000ull, false}, std::pair{0xFFFFFFFFull - 30, true}}) {
        SCOPED_TRACE(start);
        host.now = start;
        host.turning = turning;
        host.calls.clear();
        host.steps = 0;
        game.targetangle = 100;
        game.turncount = 500;
        place(kShapeO, 9, 10);
        runFor(700);
        EXPECT_EQ(game.piecey, 11);
        // Turning, every render tick moves the board; upright, only the first
        // frame and the one after the fall at 680 ms show anything new.
        EXPECT_EQ(host.count("drawBoard"), turning ? 28 : 2);
        EXPECT_EQ(game.angle, turning ? 56 : 0);
        // The clock jumps from tick to tick; with no key held, move ticks
        // never wake the game, and neither do render ticks with nothing to show.
        EXPECT_EQ(host.steps, turning ? 29 : 3);
    }
}

TEST_F(Loop, IdleTicksKeepTheirPlacesForALaterKeyAndTheRestingBoardsCountdown) {
    // The first move tick after entry that sees an arrow comes on the 70 ms
    // grid from entry, however long no key was held; a press and release
    // between two grid ticks does nothing.
    struct Case {
        Tick press, release;
        int movedBy1100;
    };
    for (const Case& c : {Case{1033, 5000, 1}, Case{1050, 5000, 1}, Case{1051, 5000, 0},
                          Case{1055, 1110, 0}, Case{1000, 1060, 1}}) {
        SCOPED_TRACE(c.press);
        host.held = {};
        host.turning = false;
        place(kShapeO, 9, 10);
        game.board(9, 13) = 1;  // no fall gets in the way
        game.board(10, 13) = 1;
        host.after(c.press, [this] { host.hold(Arrow::Left); });
        host.after(c.release, [this] { host.hold(Arrow::Left, false); });
        int xAt1049 = 0;
        host.after(1049, [&] { xAt1049 = game.piecex; });
        runFor(1100);
        EXPECT_EQ(xAt1049, 9);
        EXPECT_EQ(game.piecex, 9 - c.movedBy1100);  // 1050 and 1120 are grid ticks
        game.board(9, 13) = game.board(10, 13) = 0;
        host.events.clear();
    }
    // At rest, the board's countdown still ends on its own render tick.
    host.held = {};
    host.turning = true;
    place(kShapeO, 9, 10);
    game.angle = game.targetangle = 40;
    game.turncount = 7;
    std::int32_t targetBefore = 0;
    host.after(174, [&] { targetBefore = game.targetangle; });
    runFor(176);
    // The seventh render tick, at 175 ms, draws a new target: the first one
    // draws the new frame, five pass idle.
    EXPECT_EQ(targetBefore, 40);
    EXPECT_NE(game.targetangle, 40);
    EXPECT_TRUE(game.turncount >= 100 && game.turncount <= 199) << game.turncount;
}

using PauseKey = GameTest;

TEST_F(PauseKey, OnlyPOrLowerCasePPausesAndOnlyDuringAGame) {
    // The Game Mode frame (no game yet, or the last one has ended), gameover, the key, whether it
    // pauses.
    using Row = std::tuple<bool, bool, int, bool>;
    for (auto [frameShown, over, key, pauses] :
         {Row{true, false, 'p', false}, Row{false, true, 'P', false}, Row{false, false, 'o', false},
          Row{false, false, 27, false}, Row{false, false, 'P' + 256, false},
          Row{false, false, 'p', true}, Row{false, false, 'P', true}}) {
        SCOPED_TRACE(key);
        host.frameShown = frameShown;
        game.gameover = over;
        game.paused = false;
        host.calls.clear();
        game.keyPress(key);
        EXPECT_EQ(game.paused, pauses);
        EXPECT_EQ(host.calls,
                  pauses ? std::vector<std::string>{"paused:show"} : std::vector<std::string>{});
    }
}

TEST_F(PauseKey, PauseAndResumeWithinOneEventRestartTheTicksAndPlayOn) {
    place(kShapeO, 9, 10);
    host.after(100, [this] {
        game.keyPress('P');
        game.keyPress('p');
    });
    runFor(1500);
    // Falls 680 ms after the resume at 100, and again 680 ms later.
    EXPECT_EQ(game.piecey, 12);
    EXPECT_EQ(std::pair(host.count("paused:show"), host.count("paused:hide")), std::pair(1, 1));
}

}  // namespace gyrock::testing
