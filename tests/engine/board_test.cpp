// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The board: a new game's well, full rows cleared, the board turned.

#include "game_fixture.h"

namespace gyrock::testing {

TEST(NewGame, ResetsTheStateLaysTheWellStartsTheMusicAndPlacesThePiecesInOrder) {
    for (bool music : {true, false}) {
        SCOPED_TRACE(music);
        FakeHost host;
        host.music = music;
        Game game(host);
        // Before the first game the board is upright with no piece.
        EXPECT_EQ(std::tuple(game.angle, game.piece.n, game.nextpiece.n), std::tuple(0, 0, 0));
        // Leftovers of a first game.
        game.musicstream = 7;
        for (std::int32_t* value : {&game.score, &game.lines, &game.angle, &game.targetangle})
            *value = 88;
        for (bool* flag : {&game.gameover, &game.gamewon}) *flag = true;
        game.level = 3;
        for (int x = 0; x < kBoardColumns; ++x) game.board(x, 20) = 5;
        game.newGame();

        std::vector<std::string> expected{"restart:on", "gameover:hide", "frame:hide",
                                          "Level : 1",  "Score : 0",     "Lines : 0"};
        // The old stream is freed first, so two never play at once; nothing
        // is due at once, so the preview comes last.
        if (music) expected.insert(expected.end(), {"free:7", "play:1"});
        expected.push_back("preview");
        EXPECT_EQ(host.calls, expected);
        EXPECT_EQ(game.musicstream, music ? 1 : 7);
        // score, lines, level, angle, target, over, won, where the piece starts
        EXPECT_EQ(std::tuple(game.score, game.lines, game.level, game.angle, game.targetangle,
                             game.gameover, game.gamewon, game.piecex, game.piecey),
                  std::tuple(0, 0, 1, 0, 0, false, false, 9, 4));
        EXPECT_TRUE(game.turncount >= 120 && game.turncount <= 169) << game.turncount;
        EXPECT_GT(game.piece.n * game.nextpiece.n, 0);
        // The well is emptied; outside it, row 20 keeps what it had.
        const auto emptied = [](int x, int y, int cell) {
            return cell == (y == 20 && (x < 3 || x > 16) ? 5 : kEmpty);
        };
        EXPECT_EQ(wrongCell(game.board, emptied), "");
    }
}

using LineClear = GameTest;

TEST_F(LineClear, FullRowsAreMarkedCellByCellThenDropTheRowsAboveAndScoreAtTheNewLevel) {
    // Lines before, the full rows, a row one cell short before and after the
    // clear, the level after, the points the rows score.
    struct Case {
        int lines;
        std::vector<int> full;
        int shortRow, shortRowAfter, levelAfter, points;
    };
    const Case cases[] = {
        {12, {26, 27, 28, 29}, 25, 29, 2, 8},
        {14, {29}, 28, 29, 2, 2},
        {0, {27, 28, 29}, 26, 29, 1, 3},
        {0, {}, 29, 29, 1, 0},
        // Row 6 is above the visible board, and counts too.
        {0, {6, 20, 22}, 21, 22, 1, 3},
        {0, {6, 20, 22}, 19, 21, 1, 3},
        {0, {20, 22}, 23, 23, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.full.size() << " rows, short row " << c.shortRow);
        startStopped();
        game.lines = c.lines;
        game.score = 100;
        for (int row : c.full) fillRow(row);
        fillRow(c.shortRow, 7);
        const auto start = host.now;
        game.clearLines();
        game.step();  // early, as the window's timer may be: no mark before 15 ms
        host.run(game);
        // The locked piece is shown first; each mark waits 15 ms.
        std::vector<std::string> expected{"drawBoard"};
        for (int y : c.full) {
            for (int x = 4; x <= 15; ++x)
                expected.push_back("mark:" + std::to_string(x) + "," + std::to_string(y));
        }
        expected.insert(expected.end(), {"Level : " + std::to_string(c.levelAfter),
                                         "Score : " + std::to_string(100 + c.points),
                                         "Lines : " + std::to_string(c.lines + c.full.size())});
        EXPECT_EQ(host.calls, expected);
        EXPECT_EQ(host.now - start, 15u * 12u * c.full.size());
        // Only the short row is left, where it dropped to.
        const auto onlyTheShortRow = [&](int x, int y, int cell) {
            return cell == (y == c.shortRowAfter && x >= 4 && x <= 15 && x != 7);
        };
        EXPECT_EQ(wrongCell(game.board, onlyTheShortRow), "");
    }
}

TEST_F(LineClear, LevelThirtyWinsWithTheBonusOnlyWhenTheBoardTurnsAndThePassFinishes) {
    for (auto [turning, score, victory] : {std::tuple{true, "Score : 6030", "won:turning"},
                                           std::tuple{false, "Score : 5030", "won:upright"}}) {
        SCOPED_TRACE(turning);
        startStopped();
        host.turning = turning;
        game.lines = 434;
        game.score = 5000;
        fillRow(29, 9);
        place(kShapeI, 8, 26);  // the I fills the gap at column 9
        const auto start = host.now;
        runFor(5000);
        EXPECT_TRUE(game.gamewon);
        // After the congratulation the pass still hands over and draws a new
        // preview, and the render tick draws; then the loop stops.
        const std::vector<std::string> tail{score,   "restart:off", "frame:show", "clearDrawing",
                                            victory, "preview",     "drawBoard"};
        EXPECT_EQ(std::vector(host.calls.end() - 7, host.calls.end()), tail);
        EXPECT_LT(host.now, start + 2000);
    }
}

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

TEST_F(BoardTurning, TurnBackStepsTwoDegreesAndAlwaysDrawsOnce) {
    // 5 is never produced by the game, but must not oscillate.
    for (auto [from, passes] :
         {std::pair{0, 1}, std::pair{-120, 60}, std::pair{358, 179}, std::pair{5, 3}}) {
        SCOPED_TRACE(from);
        game.angle = from;
        host.calls.clear();
        const auto start = host.now;
        game.turnBack();
        game.step();  // early, as the window's timer may be: no step before 25 ms
        host.run(game);
        // Each step waits 25 ms; the last one finds the board upright.
        EXPECT_EQ(host.count("drawBoard"), passes);
        EXPECT_EQ(host.now - start, 25u * static_cast<Tick>(passes));
        EXPECT_EQ(host.calls.back(), "turnedBack");
    }
}

}  // namespace gyrock::testing
