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
        host.after(0, [this] { game.paused = kTrue; });
        game.newGame();
        game.paused = kFalse;
        host.calls.clear();
    }

    // Runs the loop through ms simulated milliseconds (ticks due at ms
    // included), then pauses it.
    void runFor(Tick ms) {
        host.after(ms + 1, [this] { game.paused = kTrue; });
        game.gameLoop();
        game.paused = kFalse;
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
inline bool isWall(int x, int y) { return ((x == 3 || x == 16) && y <= 30) || (y == 30 && x <= 16); }

inline PieceMatrix turnedTimes(PieceMatrix m, int quarters) {
    for (int q = 0; q < quarters; ++q) m = turned(m);
    return m;
}

inline constexpr int kShapeL = 0, kShapeI = 2, kShapeO = 3, kShapeT = 6;

}  // namespace gyrock::testing
