// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <cstdlib>
#include <set>

#include "game_fixture.h"

namespace gyrock::testing {

using BoardTurning = GameTest;

TEST_F(BoardTurning, StepsTwoDegreesTowardsTheTargetAndWrapsLopsidedly) {
    // From, target, the angles of the next passes, the target after them.
    using Row = std::tuple<std::int32_t, std::int32_t, std::vector<std::int32_t>, std::int32_t>;
    const Row rows[] = {
        {0, 11, {2, 4, 6, 8, 10, 10, 10}, 11},  // an odd target leaves the angle one below
        {0, -11, {-2, -4, -6, -8, -10, -12, -12, -12}, -11},
        {300, 0, {298, 296}, 0},  // back upright numerically, not the short way round
        {354, 400, {356, 358, 0}, 0},
        {-356, -360, {-358, -360, -360, -360}, -360},
        {-360, -361, {0}, 0},
    };
    for (const auto& [from, target, angles, targetAfter] : rows) {
        SCOPED_TRACE(::testing::Message() << from << " to " << target);
        game.angle = from;
        game.targetangle = target;
        game.turncount = 1000000;
        for (std::int32_t angle : angles) {
            game.turnBoard();
            EXPECT_EQ(game.angle, angle);
        }
        EXPECT_EQ(game.targetangle, targetAfter);
    }
}

TEST_F(BoardTurning, EachNewTargetTurnsTenToEightyNineDegreesEitherWayOrGoesBackUpright) {
    int sides[3] = {};  // down, back upright, up
    std::set<int> steps, waits;
    for (int k = 0; k < 3000; ++k) {
        const std::int32_t before = game.targetangle;
        game.turncount = 1;
        game.turnBoard();
        waits.insert(game.turncount);
        const int side = game.targetangle == 0 ? 1 : game.targetangle > before ? 2 : 0;
        ++sides[side];
        if (side != 1) steps.insert(std::abs(game.targetangle - before));
    }
    // A third each, give or take; each range is covered and no more.
    for (int n : sides) EXPECT_NEAR(n, 1000, 150);
    EXPECT_EQ(std::pair(*steps.begin(), *steps.rbegin()), std::pair(10, 89));
    EXPECT_EQ(std::pair(*waits.begin(), *waits.rbegin()), std::pair(100, 199));
}

TEST_F(BoardTurning, TurnBackStepsTwoDegreesAndAlwaysDrawsOnce) {
    // 5 is never produced by the game, but must not oscillate.
    for (auto [from, passes] :
         {std::pair{0, 1}, std::pair{-120, 60}, std::pair{358, 179}, std::pair{5, 3}}) {
        SCOPED_TRACE(from);
        game.angle = from;
        host.calls.clear();
        const auto start = host.now;
        game.turnBack();
        host.run(game);
        // Each step waits 25 ms; the last one finds the board upright.
        EXPECT_EQ(host.count("drawBoard"), passes);
        EXPECT_EQ(host.now - start, 25u * static_cast<Tick>(passes));
        EXPECT_EQ(host.calls.back(), "turnedBack");
    }
}

}  // namespace gyrock::testing
