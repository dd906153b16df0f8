// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "game_fixture.h"
#include <algorithm>

namespace gyrock::testing {
namespace {

using LineClear = GameTest;

TEST_F(LineClear, FullRowsClearAndTheRowsAboveDropOntoTheRest) {
    fillRow(20);
    fillRow(22);
    fillRow(6);             // above the visible board, and counts too
    game.board(4, 21) = 6;  // the row between the two
    game.board(5, 19) = 2;  // above both
    game.board(6, 23) = 7;  // below both
    game.clearLines();
    EXPECT_EQ(game.board(4, 22), 6);
    EXPECT_EQ(game.board(5, 21), 2);
    EXPECT_EQ(game.board(6, 23), 7);
    int cells = 0;
    for (int x = 4; x <= 15; ++x) {
        for (int y = 5; y <= 29; ++y) cells += game.board(x, y) != 0;
    }
    EXPECT_EQ(cells, 3);
    EXPECT_EQ(game.lines, 3);
}

TEST_F(LineClear, EachFullRowIsMarkedCellByCellThenScoredAtTheNewLevel) {
    struct Case {
        std::int32_t lines;
        int rows;
        std::int32_t linesAfter;
        int levelAfter;
        std::int32_t points;
    };
    for (Case c : {Case{12, 4, 16, 2, 8}, Case{14, 1, 15, 2, 2}, Case{0, 3, 3, 1, 3}, Case{0, 0, 0, 1, 0}}) {
        startPaused();
        game.lines = c.lines;
        game.level = static_cast<std::int16_t>(c.lines / 15 + 1);
        game.score = 100;
        for (int r = 0; r < c.rows; ++r) fillRow(29 - r);
        fillRow(29 - c.rows, 7);  // one short: stays
        const auto t = host.now;
        game.clearLines();
        // The locked piece is shown first; each mark waits 15 ms.
        std::vector<std::string> expected{"drawBoard"};
        for (int y = 30 - c.rows; y <= 29; ++y) {
            for (int x = 4; x <= 15; ++x) expected.push_back("mark:" + std::to_string(x) + "," + std::to_string(y));
        }
        expected.insert(expected.end(), {"Level : " + std::to_string(c.levelAfter),
                                         "Score : " + std::to_string(100 + c.points),
                                         "Lines : " + std::to_string(c.linesAfter)});
        EXPECT_EQ(host.calls, expected) << c.rows;
        EXPECT_EQ(host.now - t, 15u * 12u * static_cast<unsigned>(c.rows));
        EXPECT_EQ(game.level, c.levelAfter);
        EXPECT_EQ(game.board(8, 29), 1);  // the short row, dropped to the bottom
        EXPECT_EQ(game.board(7, 29), 0);
    }
}

TEST_F(LineClear, LevelThirtyWinsWithTheBonusOnlyWhenTheBoardTurns) {
    for (bool turning : {true, false}) {
        startPaused();
        host.turning = turning;
        game.lines = 434;
        game.level = 29;
        game.score = 5000;
        fillRow(29);
        host.calls.clear();
        game.clearLines();
        EXPECT_EQ(game.gamewon, kTrue);
        EXPECT_EQ(game.level, 30);
        const std::int32_t expected = 5000 + 30 + (turning ? 1000 : 0);
        EXPECT_EQ(game.score, expected);
        const std::vector<std::string> tail(host.calls.end() - 8, host.calls.end());
        const std::vector<std::string> expectedTail{
            "Level : 30", "Score : 5030", "Lines : 435",
            "Score : " + std::to_string(expected), "restart:off", "frame:show", "clearDrawing",
            std::string("endgame:") + (turning ? kWinTextTurning : kWinTextUpright)};
        EXPECT_EQ(tail, expectedTail);
    }
}

TEST_F(LineClear, WonGameFinishesItsPassThenTheLoopStops) {
    game.lines = 434;
    game.level = 29;
    fillRow(29, 9);
    place(kShapeI, 8, 26);  // the I fills the gap at column 9
    host.calls.clear();
    runFor(5000);
    EXPECT_EQ(game.gamewon, kTrue);
    // Hand-over, a new next piece and the render tick still happen.
    const auto endgame = std::find_if(host.calls.begin(), host.calls.end(),
                                      [](const std::string& c) { return c.rfind("endgame:", 0) == 0; });
    ASSERT_NE(endgame, host.calls.end());
    EXPECT_NE(std::find(endgame, host.calls.end(), "preview"), host.calls.end());
    EXPECT_EQ(host.count("finishGame"), 0);
    EXPECT_LT(host.now, 100000u + 2000u);
}

}  // namespace
}  // namespace gyrock::testing
