#include "game_fixture.h"
#include <algorithm>
#include <set>

namespace gyrock::testing {
namespace {

using BoardTurning = GameTest;

std::vector<std::int32_t> walk(Game& game, std::int32_t target, int steps) {
    game.targetangle = target;
    game.turncount = 1000000;
    std::vector<std::int32_t> angles;
    for (int k = 0; k < steps; ++k) {
        game.turnBoard();
        angles.push_back(game.angle);
    }
    return angles;
}

TEST_F(BoardTurning, OddTargetsLeaveTheAngleEvenOneBelow) {
    EXPECT_EQ(walk(game, 11, 7), (std::vector<std::int32_t>{2, 4, 6, 8, 10, 10, 10}));
    game.angle = 0;
    EXPECT_EQ(walk(game, -11, 8), (std::vector<std::int32_t>{-2, -4, -6, -8, -10, -12, -12, -12}));
}

TEST_F(BoardTurning, WrapIsLopsided) {
    game.angle = 354;
    EXPECT_EQ(walk(game, 400, 3), (std::vector<std::int32_t>{356, 358, 0}));
    EXPECT_EQ(game.targetangle, 0);
    game.angle = -356;
    EXPECT_EQ(walk(game, -360, 4), (std::vector<std::int32_t>{-358, -360, -360, -360}));
    EXPECT_EQ(game.targetangle, -360);
    EXPECT_EQ(walk(game, -361, 1), (std::vector<std::int32_t>{0}));
    EXPECT_EQ(game.targetangle, 0);
}

TEST_F(BoardTurning, BackToUprightGoesNumericallyTowardsZero) {
    game.angle = 300;
    const auto angles = walk(game, 0, 2);
    EXPECT_EQ(angles, (std::vector<std::int32_t>{298, 296}));
}

TEST_F(BoardTurning, NewTargetsComeWhenTheCountRunsOut) {
    game.angle = 0;
    game.targetangle = 0;
    game.turncount = 1;
    game.turnBoard();
    EXPECT_GE(game.turncount, 100);
    EXPECT_LE(game.turncount, 199);
    const std::int32_t t = game.targetangle;
    EXPECT_TRUE(t == 0 || (t >= 10 && t <= 89) || (t <= -10 && t >= -89)) << t;
    // Targets are relative to the old target, so they add up.
    std::set<std::int32_t> targets;
    for (int k = 0; k < 300; ++k) {
        game.turncount = 1;
        game.turnBoard();
        targets.insert(game.targetangle);
        EXPECT_EQ(game.angle % 2, 0);
    }
    EXPECT_GT(targets.size(), 20u);
    EXPECT_TRUE(targets.count(0));
    EXPECT_TRUE(std::any_of(targets.begin(), targets.end(), [](int a) { return a > 90; }));
}

TEST_F(BoardTurning, TurnBackStepsTwoDegreesAndAlwaysDrawsOnce) {
    for (auto [from, passes] : {std::pair{0, 1}, std::pair{-120, 60}, std::pair{358, 179}}) {
        game.angle = from;
        host.calls.clear();
        const auto t = host.now;
        game.turnBack();
        EXPECT_EQ(game.angle, 0);
        EXPECT_EQ(host.count("drawBoard"), passes) << from;
        EXPECT_EQ(host.now - t, 25u * static_cast<Tick>(passes));
    }
    game.angle = 5;  // never produced by the game, but must not oscillate
    game.turnBack();
    EXPECT_EQ(game.angle, 0);
}

}  // namespace
}  // namespace gyrock::testing
