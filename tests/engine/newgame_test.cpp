// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <algorithm>
#include <tuple>

#include "game_fixture.h"

namespace gyrock::testing {
namespace {

std::vector<std::string> callsBeforeLoop(FakeHost& host, Game& game) {
    host.calls.clear();
    host.after(0, [&] { game.paused = kTrue; });
    game.newGame();
    auto end = std::find(host.calls.begin(), host.calls.end(), "preview");
    return {host.calls.begin(), end + 1};
}

TEST(NewGame, WindowStepsCountersMusicAndPiecesComeInOrder) {
    const std::vector<std::string> steps{"restart:on", "gameover:hide", "frame:hide",
                                         "Level : 1",  "Score : 0",     "Lines : 0"};
    for (bool music : {true, false}) {
        FakeHost host;
        host.music = music;
        Game game(host);
        game.musicstream = 7;
        std::vector<std::string> expected = steps;
        // The old stream is freed first, so two never play at once.
        if (music) expected.insert(expected.end(), {"free:7", "openMusic", "play:1"});
        expected.push_back("preview");
        EXPECT_EQ(callsBeforeLoop(host, game), expected) << music;
        EXPECT_EQ(game.musicstream, music ? 1 : 7);
    }
}

TEST(NewGame, BeforeTheFirstTheBoardIsUprightWithNoPiece) {
    FakeHost host;
    Game game(host);
    EXPECT_EQ(game.angle, 0);
    EXPECT_EQ(game.piece.n, 0);
    EXPECT_EQ(game.nextpiece.n, 0);
}

TEST(NewGame, ResetsTheStateLaysTheWellAndPlacesThePieces) {
    FakeHost host;
    Game game(host);
    game.score = 99;
    game.lines = 40;
    game.level = 3;
    game.angle = 88;
    game.targetangle = 120;
    game.gameover = kTrue;
    game.gamewon = kTrue;
    for (int x = 0; x < kBoardColumns; ++x) game.board(x, 20) = 5;  // leftovers of a first game
    callsBeforeLoop(host, game);
    // score, lines, level, angle, target, over, won, where the piece starts
    EXPECT_EQ(std::tuple(game.score, game.lines, game.level, game.angle, game.targetangle, game.gameover,
                         game.gamewon, game.piecex, game.piecey),
              std::tuple(0, 0, 1, 0, 0, kFalse, kFalse, 9, 4));
    EXPECT_GE(game.turncount, 120);
    EXPECT_LE(game.turncount, 169);
    EXPECT_GT(game.piece.n, 0);
    EXPECT_GT(game.nextpiece.n, 0);
    for (int x = 0; x < kBoardColumns; ++x) {
        for (int y = 0; y < kBoardRows; ++y) {
            const bool wall = (x == 3 || x == 16) && y <= 30;
            const bool floor = y == 30 && x <= 16;
            const bool untouched = y == 20 && (x < 3 || x > 16);  // outside the well
            EXPECT_EQ(game.board(x, y), wall || floor ? kWall : untouched ? 5 : kEmpty) << x << "," << y;
        }
    }
}

TEST(FitRule, EmptyCellsMayOverhangWallsAndFloor) {
    FakeHost host;
    Game game(host);
    callsBeforeLoop(host, game);
    const PieceMatrix upright = makeShape(kShapeI);  // cells in matrix column 1
    EXPECT_TRUE(fits(game.board, upright, 3, 10));    // column 3 holds only empty cells
    EXPECT_FALSE(fits(game.board, upright, 2, 10));   // its cells would sit on the wall
    EXPECT_TRUE(fits(game.board, upright, 13, 26));   // rows 26..29: just above the floor
    EXPECT_FALSE(fits(game.board, upright, 13, 27));
    const PieceMatrix t = makeShape(kShapeT);  // top row empty, bottom row is (1,2)
    EXPECT_TRUE(fits(game.board, t, 4, 27));
    EXPECT_FALSE(fits(game.board, t, 4, 28));
}

TEST(Random, DrawsWithinOneMillisecondStillDiffer) {
    Random a(1);
    std::vector<double> values;
    for (int k = 0; k < 8; ++k) {
        a.reseed(5000);
        values.push_back(a.next());
    }
    std::sort(values.begin(), values.end());
    EXPECT_EQ(std::adjacent_find(values.begin(), values.end()), values.end());
    EXPECT_GE(values.front(), 0.0);
    EXPECT_LT(values.back(), 1.0);
}

TEST(Random, SeedMakesGamesRepeatable) {
    Random a(77), b(77);
    for (int k = 0; k < 50; ++k) EXPECT_EQ(a.draw(k, 7), b.draw(k, 7));
}

TEST(Random, EveryShapeComesUpEvenlyAtAFrozenClock) {
    Random r(3);
    std::array<int, kShapeCount> seen{};
    for (int k = 0; k < 70000; ++k) ++seen[r.draw(42, kShapeCount)];
    for (int n : seen) EXPECT_NEAR(n, 10000, 500);
}

}  // namespace
}  // namespace gyrock::testing
