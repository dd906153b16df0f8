// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A stand-in for the window and a game on it, ready to be driven by hand.

#include <gtest/gtest.h>

#include "engine/pieces.h"
#include "tests/support/scripted_clock.h"

namespace gyrock::testing {

// A game started and stopped at once: idle, so that a test can set it up by hand.
class GameTest : public ::testing::Test {
  protected:
    FakeHost host;
    Game game{host};

    void SetUp() override { startStopped(); }

    void startStopped() {
        host.held = {};
        game.newGame();
        // Paused just long enough for the loop to see it.
        game.paused = true;
        game.step();
        game.paused = false;
        host.calls.clear();
    }

    // Enters play afresh and plays through ms simulated milliseconds (ticks
    // due at ms included).
    void runFor(Tick ms) {
        game.play();
        host.run(game, host.now + ms);
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

// The first cell, as "x,y", that is neither where a new game lays the walls
// and floor (columns 3 and 16 down to row 30, row 30 up to column 16) nor what
// ok(x, y, cell) accepts; "" when there is none.
inline std::string wrongCell(const Board& board, const std::function<bool(int, int, int)>& ok) {
    for (int x = 0; x < kBoardColumns; ++x) {
        for (int y = 0; y < kBoardRows; ++y) {
            const bool wall = ((x == 3 || x == 16) && y <= 30) || (y == 30 && x <= 16);
            if (wall ? board(x, y) != kWall : !ok(x, y, board(x, y)))
                return std::to_string(x) + "," + std::to_string(y);
        }
    }
    return "";
}

inline PieceMatrix turnedTimes(PieceMatrix m, int quarters) {
    for (int q = 0; q < quarters; ++q) m = turned(m);
    return m;
}

inline constexpr int kShapeL = 0, kShapeI = 2, kShapeO = 3, kShapeT = 6;

}  // namespace gyrock::testing
