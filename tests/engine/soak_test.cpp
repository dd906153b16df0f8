// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A bot with random keys plays whole games and checks the board after every lock.

#include <gtest/gtest.h>

#include <random>

#include "fake_host.h"

namespace gyrock::testing {
namespace {

void expectInvariants(const Game& game, int gameNo) {
    for (int y = 0; y <= 30; ++y) {
        ASSERT_EQ(game.board(3, y), kWall) << "game " << gameNo;
        ASSERT_EQ(game.board(16, y), kWall) << "game " << gameNo;
    }
    for (int x = 0; x <= 16; ++x) ASSERT_EQ(game.board(x, 30), kWall);
    for (int x = 0; x < kBoardColumns; ++x) {
        for (int y = 0; y < kBoardRows; ++y) {
            const bool margin = x <= 2 || x >= 17;
            const bool aboveWell = x >= 4 && x <= 15 && y <= 5;  // row 5 included: never locked
            if ((margin && !(y == 30 && x <= 2)) || aboveWell) {
                ASSERT_EQ(game.board(x, y), 0) << x << "," << y;
            }
            if (!margin && x != 3 && x != 16 && y < 30) {
                ASSERT_GE(game.board(x, y), 0);
                ASSERT_LE(game.board(x, y), 7);
            }
        }
    }
    ASSERT_EQ(game.level, game.lines / 15 + 1);
    ASSERT_EQ(game.angle % 2, 0);
}

TEST(Soak, ThousandRandomGamesKeepTheBoardSound) {
    FakeHost host;
    host.recording = false;
    Game game(host);
    std::mt19937 rng(2024);
    int gameNo = 0;
    long locks = 0, cleared = 0;
    host.onYield = [&] {
        // Change the keys now and then, as a player would: mostly Down, so games end.
        if (rng() % 8 == 0) {
            for (int k = 0; k < 4; ++k) host.held[k] = rng() % (k == 3 ? 2 : 4) == 0;
        }
    };
    host.onPreview = [&] {
        ++locks;
        expectInvariants(game, gameNo);
    };
    for (gameNo = 0; gameNo < 1000; ++gameNo) {
        host.turning = gameNo % 2 == 0;
        game.newGame();
        ASSERT_TRUE(game.gameover != 0 || game.gamewon != 0);
        cleared += game.lines;
    }
    EXPECT_GT(locks, 10000);
    EXPECT_GT(cleared, 0);
}

}  // namespace
}  // namespace gyrock::testing
