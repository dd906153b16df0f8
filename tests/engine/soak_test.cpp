// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A bot with random keys plays whole games; each leaves the walls whole and
// only piece colours inside the well.

#include <random>

#include "game_fixture.h"

namespace gyrock::testing {

TEST(Soak, RandomGamesKeepTheWallsAndLockOnlyColoursInsideTheWell) {
    FakeHost host;
    Game game(host);
    std::mt19937 rng(2024);
    host.onStep = [&] {
        // Change the keys now and then, as a player would: mostly Down, so games end.
        if (rng() % 8 == 0) {
            for (int k = 0; k < 4; ++k) host.held[k] = rng() % (k == 3 ? 2 : 4) == 0;
        }
    };
    const auto onlyColoursInTheWell = [](int x, int y, int cell) {
        const bool well = x >= 4 && x <= 15 && y >= 6 && y <= 29;  // nothing locks above row 6
        return well ? cell >= 0 && cell <= 7 : cell == kEmpty;
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
