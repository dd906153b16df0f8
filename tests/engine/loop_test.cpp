// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <cstdlib>
#include <random>

#include "game_fixture.h"

namespace gyrock::testing {

using Loop = GameTest;

TEST_F(Loop, KeysActOnTheMoveTicksGridAndThePieceFallsAtTheLevelPace) {
    struct Case {
        const char* what;
        std::vector<Arrow> keys;  // held from entry
        int shape, x, level, ms, xAfter, rowsFallen, quarters;
        // One more key, pressed and released at these times (by default, after the run).
        Arrow later = Arrow::Left;
        int press = 99999, release = 99999;
    };
    const Case cases[] = {
        {"a move every 70 ms", {Arrow::Left}, kShapeO, 9, 1, 70 * 3 + 10, 6, 0, 0},
        // Every entry restarts the ticks: nothing moves, turns or falls at first.
        {"nothing at once", {Arrow::Left, Arrow::Up}, kShapeT, 9, 1, 69, 9, 0, 0},
        {"up to the wall", {Arrow::Right}, kShapeO, 9, 1, 70 * 10, 14, 1, 0},
        {"empty column over the wall", {Arrow::Left}, kShapeI, 5, 1, 70 * 4, 3, 0, 0},
        {"left and right", {Arrow::Left, Arrow::Right}, kShapeO, 9, 1, 300, 9, 0, 0},
        // At the wall the turn is refused, with no kick; the shift comes after it.
        {"turn, then shift", {Arrow::Up, Arrow::Right}, kShapeI, 3, 1, 70, 4, 0, 0},
        {"a turn every 70 ms", {Arrow::Up}, kShapeL, 9, 1, 70 * 2, 9, 0, 2},
        {"no fall yet", {}, kShapeO, 9, 1, 679, 9, 0, 0},
        {"every 120 ms at level 29", {}, kShapeO, 9, 29, 120 * 5, 9, 5, 0},
        // Down at 100 ms falls at once, then at 125, 150, 175; released at
        // 200, the next fall comes 680 ms after the last one.
        {"down falls at once", {}, kShapeO, 9, 1, 100, 9, 1, 0, Arrow::Down, 100, 200},
        {"down released", {}, kShapeO, 9, 1, 855, 9, 5, 0, Arrow::Down, 100, 200},
        // Move ticks with no key held keep their places: a key pressed later
        // first acts on the 70 ms grid from entry (1050, 1120), and a press
        // and release between two grid ticks does nothing.
        {"pressed at 1033", {}, kShapeO, 9, 1, 1049, 9, 1, 0, Arrow::Left, 1033},
        {"pressed at 1033, at 1050", {}, kShapeO, 9, 1, 1050, 8, 1, 0, Arrow::Left, 1033},
        {"pressed at 1050", {}, kShapeO, 9, 1, 1050, 8, 1, 0, Arrow::Left, 1050},
        {"pressed at 1051", {}, kShapeO, 9, 1, 1119, 9, 1, 0, Arrow::Left, 1051},
        {"pressed at 1051, at 1120", {}, kShapeO, 9, 1, 1120, 8, 1, 0, Arrow::Left, 1051},
        {"between grid ticks", {}, kShapeO, 9, 1, 1200, 9, 1, 0, Arrow::Left, 1055, 1110},
        {"over a grid tick", {}, kShapeO, 9, 1, 1100, 8, 1, 0, Arrow::Left, 1000, 1060},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startStopped();
        for (Arrow key : c.keys) host.held[static_cast<int>(key)] = true;
        host.after(c.press, [&] { host.held[static_cast<int>(c.later)] = true; });
        host.after(c.release, [&] { host.held[static_cast<int>(c.later)] = false; });
        place(c.shape, c.x, 10);
        game.level = static_cast<std::int16_t>(c.level);
        runFor(c.ms);
        EXPECT_EQ(std::tuple(game.piecex, game.piecey - 10, game.piece),
                  std::tuple(c.xAfter, c.rowsFallen, turnedTimes(makeShape(c.shape), c.quarters)));
    }
}

TEST_F(Loop, APieceLocksAtTheFallTickAfterLandingOrEndsTheGameUnwrittenAboveRowSix) {
    for (auto [row, ends] : {std::pair{3, true}, std::pair{4, true}, std::pair{5, false}}) {
        SCOPED_TRACE(row);
        startStopped();
        const PieceMatrix next = game.nextpiece;
        for (int y = row + 3; y <= 29; ++y) game.board(9, y) = 1;
        place(kShapeO, 9, row);
        runFor(1400);
        // Landed at 680 ms, written and handed over at the next fall tick (a
        // lock at landing would have the new piece fall by now), or over
        // with no redraw after finishGame.
        EXPECT_EQ(
            std::tuple(game.board(10, row + 2), game.gameover, host.calls.back() == "finishGame"),
            std::tuple(ends ? kEmpty : 3, ends, ends));
        EXPECT_EQ(std::pair(game.piece, int{game.piecey}),
                  ends ? std::pair(makeShape(kShapeO), row + 1) : std::pair(next, 4));
    }
}

TEST_F(Loop, RendersEvery25MsTurningOnlyInThatModeAndWakesOnlyForTicksThatChangeSomething) {
    // Turning, every render tick moves the board; upright, only the first
    // frame and the one after the fall at 680 ms show anything new. The clock
    // jumps from tick to tick: with no key held, move ticks never wake the
    // game, and neither do render ticks with nothing to show. A board at rest
    // (at its target, or one below an odd one) draws its first frame, passes
    // its countdown idle and wakes for the tick that ends it, at 175 ms for
    // a countdown of 7, also when the window's timer fires late.
    struct Case {
        const char* what;
        std::uint64_t start;
        int angle, target, countdown, ms, late, draws, steps, turnedBy;
        bool turning, newTarget;
    };
    const Case cases[] = {
        {"upright", 200000, 0, 100, 500, 700, 0, 2, 3, 0, false, false},
        // Turning, across the wrap of the window's 32-bit tick count.
        {"turning", 0xFFFFFFFFull - 30, 0, 100, 500, 700, 0, 28, 29, 56, true, false},
        {"at rest", 300000, 40, 40, 7, 174, 0, 1, 1, 0, true, false},
        {"at rest, the countdown ends", 300000, 40, 40, 7, 175, 0, 2, 2, 2, true, true},
        {"at rest below an odd target", 300000, 40, 41, 7, 175, 0, 2, 2, 2, true, true},
        {"at rest, a late timer", 300000, 40, 40, 2, 25, 100, 2, 1, 2, true, true},
    };
    int steps = 0;
    host.onStep = [&] { ++steps; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        startStopped();
        host.now = c.start;
        host.turning = c.turning;
        game.angle = c.angle;
        game.targetangle = c.target;
        game.turncount = c.countdown;
        steps = 0;
        runFor(c.ms);
        host.now += c.late;
        game.step();
        EXPECT_EQ(std::tuple(host.count("drawBoard"), steps, std::abs(game.angle - c.angle),
                             game.targetangle != c.target),
                  std::tuple(c.draws, c.steps, c.turnedBy, c.newTarget));
    }
}

TEST_F(Loop, OnlyPOrLowerCasePPausesAndOnlyDuringAGame) {
    // The Game Mode frame (no game yet, or the last one has ended), gameover, the key, whether it
    // pauses.
    using Row = std::tuple<bool, bool, int, bool>;
    for (auto [frameShown, over, key, pauses] :
         {Row{true, false, 'p', false}, Row{false, true, 'P', false}, Row{false, false, 'o', false},
          Row{false, false, 27, false}, Row{false, false, 'P' + 256, false},
          Row{false, false, 'p', true}, Row{false, false, 'P', true}}) {
        SCOPED_TRACE(key);
        startStopped();
        host.frameShown = frameShown;
        game.gameover = over;
        game.keyPress(key);
        EXPECT_EQ(game.paused, pauses);
        EXPECT_EQ(host.calls, std::vector<std::string>(pauses, "paused:show"));
    }
}

TEST_F(Loop, ResumingRestartsTheTicks) {
    // Paused and resumed at these times, also within one moment: the first
    // fall comes 680 ms after the resume.
    for (auto [pause, resume] : {std::pair{100, 100}, std::pair{100, 300}}) {
        SCOPED_TRACE(resume);
        startStopped();
        host.after(pause, [this] { game.keyPress('P'); });
        host.after(resume, [this] { game.keyPress('p'); });
        host.after(resume + 679, [this] { EXPECT_EQ(game.piecey, 4); });
        runFor(resume + 680);
        EXPECT_EQ(std::tuple(game.piecey, host.count("paused:hide")), std::tuple(5, 1));
    }
}

// A bot with random keys plays whole games; each leaves the walls whole and
// only piece colours inside the well.
TEST_F(Loop, SoakRandomGamesKeepTheWallsAndLockOnlyColoursInsideTheWell) {
    std::mt19937 rng(2024);
    host.onStep = [&] {
        // Change the keys now and then, as a player would: mostly Down, so games end.
        if (rng() % 8 != 0) return;
        for (int k = 0; k < 4; ++k) host.held[k] = rng() % (k == 3 ? 2 : 4) == 0;
    };
    // Nothing locks above row 6.
    const auto onlyColoursInTheWell = [](int x, int y, int cell) {
        return cell == kEmpty || (x >= 4 && x <= 15 && y >= 6 && y <= 29 && cell > 0 && cell <= 7);
    };
    for (int gameNo = 0; gameNo < 1000; ++gameNo) {
        SCOPED_TRACE(gameNo);
        host.turning = gameNo % 2 == 0;
        host.calls.clear();
        game.newGame();
        host.run(game);
        ASSERT_TRUE(game.gameover);
        ASSERT_EQ(wrongCell(game.board, onlyColoursInTheWell), "");
    }
}

}  // namespace gyrock::testing
