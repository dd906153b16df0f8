// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The board: a new game's well, full rows cleared, the board turned; the
// pieces, and the draws of pieces and new targets.

#include <cstdlib>
#include <set>

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
        game.score = game.lines = game.angle = game.targetangle = 88;
        game.gameover = game.gamewon = true;
        game.level = 3;
        for (int x = 0; x < kBoardColumns; ++x) game.board(x, 5) = game.board(x, 29) = 5;
        game.newGame();

        // The old stream is freed first, so two never play at once; nothing
        // is due at once, so the preview comes last.
        std::vector<std::string> expected{"restart:on", "gameover:hide", "frame:hide",
                                          "level:1",    "score:0",       "lines:0",
                                          "free:7",     "play:1",        "preview"};
        if (!music) expected.erase(expected.end() - 3, expected.end() - 1);
        EXPECT_EQ(host.calls, expected);
        // The stream, score, lines, level, angle, target, over, won, where the
        // piece starts, both pieces drawn, the first countdown.
        EXPECT_EQ(std::tuple(game.musicstream, game.score, game.lines, game.level, game.angle,
                             game.targetangle, game.gameover, game.gamewon, game.piecex,
                             game.piecey, game.piece.n * game.nextpiece.n > 0,
                             game.turncount >= 120 && game.turncount <= 169),
                  std::tuple(music ? 1 : 7, 0, 0, 1, 0, 0, false, false, 9, 4, true, true));
        // The well is emptied, top and bottom row too; beside it, they keep what they had.
        const auto emptied = [](int x, int y, int cell) {
            return cell == ((y == 5 || y == 29) && (x < 3 || x > 16) ? 5 : kEmpty);
        };
        EXPECT_EQ(wrongCell(game.board, emptied), "");
    }
}

using LineClear = GameTest;

TEST_F(LineClear, FullRowsAreMarkedCellByCellThenDropTheRowsAboveAndScoreAtTheNewLevel) {
    // Lines before (the score is 0), the full rows, a row one cell short
    // before and after the clear, the counters after.
    using Row = std::tuple<int, std::vector<int>, int, int, std::vector<std::string>>;
    const Row rows[] = {
        {12, {26, 27, 28, 29}, 25, 29, {"level:2", "score:8", "lines:16"}},
        {14, {29}, 28, 29, {"level:2", "score:2", "lines:15"}},
        {0, {27, 28, 29}, 26, 29, {"level:1", "score:3", "lines:3"}},
        {0, {}, 29, 29, {"level:1", "score:0", "lines:0"}},
        // Row 6 is above the visible board, and counts too.
        {0, {6, 20, 22}, 21, 22, {"level:1", "score:3", "lines:3"}},
        {0, {6, 20, 22}, 19, 21, {"level:1", "score:3", "lines:3"}},
        {0, {20, 22}, 23, 23, {"level:1", "score:2", "lines:2"}},
    };
    for (const auto& [lines, full, shortRow, shortRowAfter, counters] : rows) {
        SCOPED_TRACE(::testing::Message() << full.size() << " rows, short row " << shortRow);
        startStopped();
        game.lines = lines;
        for (int row : full) fillRow(row);
        fillRow(shortRow, 7);
        const auto start = host.now;
        game.clearLines();
        game.step();  // early, as the window's timer may be: no mark before 15 ms
        host.run(game);
        // The locked piece is shown first; each mark waits 15 ms.
        std::vector<std::string> expected{"drawBoard"};
        for (int y : full) {
            for (int x = 4; x <= 15; ++x)
                expected.push_back("mark:" + std::to_string(x) + "," + std::to_string(y));
        }
        expected.insert(expected.end(), counters.begin(), counters.end());
        EXPECT_EQ(host.calls, expected);
        EXPECT_EQ(host.now - start, 15u * 12u * full.size());
        // Only the short row is left, where it dropped to.
        const auto onlyTheShortRow = [&](int x, int y, int cell) {
            return cell == (y == shortRowAfter && x >= 4 && x <= 15 && x != 7);
        };
        EXPECT_EQ(wrongCell(game.board, onlyTheShortRow), "");
    }
}

TEST_F(LineClear, LevelThirtyWinsWithTheBonusOnlyWhenTheBoardTurnsAndThePassFinishes) {
    for (auto [turning, score, victory] :
         {std::tuple{true, "score:6030", "won:turn"}, std::tuple{false, "score:5030", "won:up"}}) {
        SCOPED_TRACE(turning);
        startStopped();
        host.turning = turning;
        game.lines = 434;
        game.score = 5000;
        fillRow(29, 9);
        place(kShapeI, 8, 26);  // the I fills the gap at column 9
        runFor(5000);
        EXPECT_TRUE(game.gamewon);
        // After the congratulation the pass still hands over and draws a new
        // preview, and the render tick draws; then the loop stops, or more
        // would follow.
        const std::vector<std::string> tail{score,   "restart:off", "frame:show", "clearDrawing",
                                            victory, "preview",     "drawBoard"};
        EXPECT_EQ(std::vector(host.calls.end() - 7, host.calls.end()), tail);
    }
}

using BoardTurning = GameTest;

TEST_F(BoardTurning, StepsTwoDegreesTowardsTheTargetAndWrapsLopsidedly) {
    // From, target, passes, the angle and target after them. An odd target
    // leaves the angle one below; from 300 the way back upright is down, not
    // the short way round; 360 resets, and only -362 on the way down.
    for (auto [from, target, passes, angle, targetAfter] :
         {std::array{0, 11, 7, 10, 11}, std::array{0, -11, 8, -12, -11},
          std::array{300, 0, 2, 296, 0}, std::array{354, 400, 2, 358, 400},
          std::array{354, 400, 3, 0, 0}, std::array{-356, -360, 4, -360, -360},
          std::array{-360, -361, 1, 0, 0}}) {
        SCOPED_TRACE(::testing::Message() << from << " to " << target << ", " << passes);
        game.angle = from;
        game.targetangle = target;
        game.turncount = 1000000;
        for (int k = 0; k < passes; ++k) game.turnBoard();
        EXPECT_EQ(std::pair(game.angle, game.targetangle), std::pair(angle, targetAfter));
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
        EXPECT_EQ(std::tuple(host.count("drawBoard"), host.now - start, host.calls.back()),
                  std::tuple(passes, 25u * passes, "turnedBack"));
    }
}

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
          Row{kShapeI, 1, "..../2222/..../..../"}, Row{kShapeI, 2, "..2./..2./..2./..2./"}})
        EXPECT_EQ(picture(turnedTimes(makeShape(shape), quarters)), expected) << quarters;
}

using Draws = GameTest;

TEST_F(Draws, EachIsFreshAlsoWithinOneMillisecondAndUniformOverItsRange) {
    // Shapes, and the new target: down, back upright, up.
    int shapes[kShapeCount] = {}, sides[3] = {};
    std::set<int> steps, waits;
    for (int k = 0; k < 6000; ++k) {
        game.nextPiece();
        for (int s = 0; s < kShapeCount; ++s) shapes[s] += game.nextpiece == makeShape(s);
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
    // The generator is splitmix64: its published first output, seeded with 0.
    EXPECT_EQ(Random(0).next(), static_cast<double>(0xE220A8397B1DCDAFull >> 11) * 0x1.0p-53);
}

}  // namespace gyrock::testing
