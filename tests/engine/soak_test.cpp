// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A bot plays whole games, steering each piece to the lowest column or now and
// then anywhere, and checks the board after every lock.

#include <random>

#include "game_fixture.h"

namespace gyrock::testing {
namespace {

// The topmost taken row of column x.
int surface(const Game& game, int x) {
    int y = 6;
    while (game.board(x, y) == kEmpty) ++y;
    return y;
}

TEST(Soak, RandomGamesKeepTheWallsAndLockOnlyColoursInsideTheWell) {
    FakeHost host;
    Game game(host);
    std::mt19937 rng(2024);
    int target = 9;
    host.onYield = [&] {
        host.hold(Arrow::Left, game.piecex > target);
        host.hold(Arrow::Right, game.piecex < target);
        host.hold(Arrow::Down, game.piecex == target);
        host.hold(Arrow::Up, rng() % 32 == 0);
    };
    host.onPreview = [&] {
        // Aim the middle column of the piece at the lowest column of the well.
        int lowest = 4;
        for (int x = 5; x <= 15; ++x) {
            if (surface(game, x) > surface(game, lowest)) lowest = x;
        }
        target = lowest - 1;
        if (rng() % 2 == 0) game.nextpiece = makeShape(kShapeI);  // more Is, so rows fill
        for (int x = 0; x < kBoardColumns; ++x) {
            for (int y = 0; y < kBoardRows; ++y) {
                const int cell = game.board(x, y);
                const bool well = x >= 4 && x <= 15 && y >= 6 && y <= 29;  // nothing locks above row 6
                ASSERT_TRUE(isWall(x, y) ? cell == kWall : well ? cell >= 0 && cell <= 7 : cell == 0) << x << "," << y;
            }
        }
    };
    int cleared = 0;
    for (int gameNo = 0; gameNo < 300; ++gameNo) {
        host.turning = gameNo % 2 == 0;
        host.calls.clear();
        game.newGame();
        ASSERT_TRUE(game.gameover != 0 || game.gamewon != 0);
        cleared += game.lines;
    }
    EXPECT_GT(cleared, 100);
}

}  // namespace
}  // namespace gyrock::testing
