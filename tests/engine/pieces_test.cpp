// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The seven shapes, and the draws of pieces and new targets.

#include <cstdlib>
#include <set>

#include "game_fixture.h"

namespace gyrock::testing {

// The matrix row by row from the top, each cell as its colour or '.', each row ended by '/'.
std::string picture(const PieceMatrix& m) {
    std::string text;
    for (int j = 0; j < m.n; ++j) {
        for (int i = 0; i < m.n; ++i) text += m(i, j) == 0 ? '.' : static_cast<char>('0' + m(i, j));
        text += '/';
    }
    return text;
}

TEST(Shapes, SevenShapesInTheirColoursTurnClockwiseAboutTheMatrix) {
    // The shape, quarter turns, the picture.
    using Row = std::tuple<int, int, std::string>;
    for (const auto& [shape, quarters, expected] :
         {Row{0, 0, ".1./.1./.11/"}, Row{1, 0, "4../44./.4./"}, Row{2, 0, ".2../.2../.2../.2../"},
          Row{3, 0, "33/33/"}, Row{4, 0, ".5./.5./55./"}, Row{5, 0, ".6./66./6../"},
          Row{6, 0, ".../777/.7./"}, Row{kShapeL, 1, ".../111/1../"},
          Row{kShapeI, 1, "..../2222/..../..../"}, Row{kShapeI, 2, "..2./..2./..2./..2./"}}) {
        EXPECT_EQ(picture(turnedTimes(makeShape(shape), quarters)), expected)
            << shape << " turned " << quarters;
    }
}

using Draws = GameTest;

TEST_F(Draws, EachIsFreshAlsoWithinOneMillisecondAndUniformOverItsRange) {
    std::array<int, kShapeCount> shapes{};
    int sides[3] = {};  // the new target: down, back upright, up
    std::set<int> steps, waits;
    for (int k = 0; k < 6000; ++k) {
        game.firstPiece();
        game.nextPiece();
        for (int s = 0; s < kShapeCount; ++s) shapes.at(s) += game.nextpiece == makeShape(s);
        game.targetangle = 0;
        game.turncount = 1;
        game.turnBoard();
        waits.insert(game.turncount);
        ++sides[(game.targetangle > 0) - (game.targetangle < 0) + 1];
        if (game.targetangle != 0) steps.insert(std::abs(game.targetangle));
    }
    // The clock stands still: draws within one millisecond differ all the
    // same. A seventh each, or a third each, give or take; each range is
    // covered and no more: 10 to 89 degrees either way, 100 to 199 ticks.
    for (int n : shapes) EXPECT_NEAR(n, 6000 / 7, 130);
    for (int n : sides) EXPECT_NEAR(n, 2000, 250);
    EXPECT_EQ(std::pair(*steps.begin(), *steps.rbegin()), std::pair(10, 89));
    EXPECT_EQ(std::pair(*waits.begin(), *waits.rbegin()), std::pair(100, 199));
}

}  // namespace gyrock::testing
