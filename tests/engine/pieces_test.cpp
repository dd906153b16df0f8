// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
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

using Pieces = GameTest;

TEST_F(Pieces, EachIsAFreshUniformDrawAlsoWithinOneMillisecond) {
    std::array<int, kShapeCount> seen{};
    int differ = 0;
    for (int k = 0; k < 7000; ++k) {
        game.firstPiece();
        game.nextPiece();
        differ += game.piece != game.nextpiece;
        for (int s = 0; s < kShapeCount; ++s) seen.at(s) += game.nextpiece == makeShape(s);
    }
    for (int n : seen) EXPECT_NEAR(n, 1000, 150);
    EXPECT_NEAR(differ, 6000, 200);  // six in seven
}

TEST(Random, MixesLikeSplitMix64) {
    // The published first output of splitmix64 seeded with 0.
    EXPECT_EQ(Random(0).next(), static_cast<double>(0xE220A8397B1DCDAFull >> 11) * 0x1.0p-53);
}

}  // namespace gyrock::testing
