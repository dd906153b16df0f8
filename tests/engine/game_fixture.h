// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once

#include <gtest/gtest.h>

#include "engine/pieces.h"
#include "fake_host.h"

namespace gyrock::testing {

// A game started and paused at once, ready to be driven by hand.
class GameTest : public ::testing::Test {
  protected:
    FakeHost host;
    Game game{host};

    void SetUp() override { startPaused(); }

    void startPaused() {
        host.events.clear();  // left over when a game ended before its pause was due
        game.newGame();
        stop();
        host.calls.clear();
    }

    // Plays through ms simulated milliseconds (ticks due at ms included),
    // entering play afresh, then stops the game where it is.
    void runFor(Tick ms) {
        game.play();
        host.run(game, host.now + ms);
        stop();
    }

    // Runs the clock until the game has nothing left to do.
    void runOut() { host.run(game); }

    // Pauses and lets the loop see it, leaving the game idle and unpaused.
    void stop() {
        const bool was = game.paused;
        game.paused = true;
        if (game.running()) game.step();
        game.paused = was;
    }

    void place(int k, int x, int y) {
        game.piece = makeShape(k);
        game.piecex = static_cast<std::int16_t>(x);
        game.piecey = static_cast<std::int16_t>(y);
    }

    void fillRow(int row, int except = -1) {
        for (int x = kWellLeft; x <= kWellRight; ++x) game.board(x, row) = x == except ? 0 : 1;
    }
};

// The walls and floor a new game lays: columns 3 and 16 down to row 30, row 30 up to column 16.
inline bool isWall(int x, int y) {
    return ((x == 3 || x == 16) && y <= 30) || (y == 30 && x <= 16);
}

inline PieceMatrix turnedTimes(PieceMatrix m, int quarters) {
    for (int q = 0; q < quarters; ++q) m = turned(m);
    return m;
}

inline constexpr int kShapeL = 0, kShapeI = 2, kShapeO = 3, kShapeT = 6;

}  // namespace gyrock::testing
