// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <algorithm>
#include <cstdlib>

#include "game_fixture.h"

namespace gyrock::testing {
namespace {

using BoardTurning = GameTest;

TEST_F(BoardTurning, StepsTwoDegreesTowardsTheTargetAndWrapsLopsidedly) {
    struct Case {
        std::int32_t from, target;
        std::vector<std::int32_t> angles;
        std::int32_t targetAfter;
    };
    const Case cases[] = {
        {0, 11, {2, 4, 6, 8, 10, 10, 10}, 11},  // an odd target leaves the angle one below
        {0, -11, {-2, -4, -6, -8, -10, -12, -12, -12}, -11},
        {300, 0, {298, 296}, 0},  // back upright numerically, not the short way round
        {354, 400, {356, 358, 0}, 0},
        {-356, -360, {-358, -360, -360, -360}, -360},
        {-360, -361, {0}, 0},
    };
    for (const Case& c : cases) {
        game.angle = c.from;
        game.targetangle = c.target;
        game.turncount = 1000000;
        std::vector<std::int32_t> angles;
        for (std::size_t k = 0; k < c.angles.size(); ++k) {
            game.turnBoard();
            angles.push_back(game.angle);
        }
        EXPECT_EQ(angles, c.angles) << c.from << " to " << c.target;
        EXPECT_EQ(game.targetangle, c.targetAfter) << c.from << " to " << c.target;
    }
}

TEST_F(BoardTurning, EachNewTargetTurnsTenToEightyNineDegreesEitherWayOrGoesBackUpright) {
    game.turncount = 1;
    game.turnBoard();
    EXPECT_GE(game.turncount, 100);
    EXPECT_LE(game.turncount, 199);
    int ups = 0, downs = 0, upright = 0, smallest = 360, largest = 0;
    for (int k = 0; k < 3000; ++k) {
        const std::int32_t before = game.targetangle;
        game.turncount = 1;
        game.turnBoard();
        const std::int32_t step = game.targetangle - before;
        if (game.targetangle == 0) {
            ++upright;
        } else {
            (step > 0 ? ups : downs) += 1;
            smallest = std::min(smallest, std::abs(step));
            largest = std::max(largest, std::abs(step));
        }
        EXPECT_EQ(game.angle % 2, 0);
    }
    // A third each, give or take; the steps cover the whole range and no more.
    for (int n : {ups, downs, upright}) EXPECT_NEAR(n, 1000, 150) << ups << " " << downs << " " << upright;
    EXPECT_EQ(smallest, 10);
    EXPECT_EQ(largest, 89);
}

TEST_F(BoardTurning, TurnBackStepsTwoDegreesAndAlwaysDrawsOnce) {
    // 5 is never produced by the game, but must not oscillate.
    for (auto [from, passes] : {std::pair{0, 1}, std::pair{-120, 60}, std::pair{358, 179}, std::pair{5, 3}}) {
        game.angle = from;
        host.calls.clear();
        const auto t = host.now;
        game.turnBack();
        EXPECT_EQ(game.angle, 0);
        EXPECT_EQ(host.count("drawBoard"), passes) << from;
        EXPECT_EQ(host.now - t, 25u * static_cast<Tick>(passes));
    }
}

}  // namespace
}  // namespace gyrock::testing
