// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "game_fixture.h"

namespace gyrock::testing {

using LineClear = GameTest;

TEST_F(LineClear, FullRowsClearAndTheRowsAboveDropOntoTheRest) {
    fillRow(20);
    fillRow(22);
    fillRow(6);             // above the visible board, and counts too
    game.board(4, 21) = 6;  // the row between the two
    game.board(5, 19) = 2;  // above both
    game.board(6, 23) = 7;  // below both
    game.clearLines();
    runOut();
    int cells = 0;
    for (int x = 4; x <= 15; ++x) {
        for (int y = 5; y <= 29; ++y) cells += game.board(x, y) != 0;
    }
    EXPECT_EQ(cells, 3);
    EXPECT_EQ(std::tuple(game.board(4, 22), game.board(5, 21), game.board(6, 23)),
              std::tuple(6, 2, 7));
}

TEST_F(LineClear, EachFullRowIsMarkedCellByCellThenScoredAtTheNewLevel) {
    // Lines before, full rows, the level after, the points they score.
    for (auto [lines, rows, levelAfter, points] :
         {std::array{12, 4, 2, 8}, std::array{14, 1, 2, 2}, std::array{0, 3, 1, 3},
          std::array{0, 0, 1, 0}}) {
        SCOPED_TRACE(rows);
        startPaused();
        game.lines = lines;
        game.score = 100;
        for (int r = 0; r < rows; ++r) fillRow(29 - r);
        fillRow(29 - rows, 7);
        const auto start = host.now;
        game.clearLines();
        runOut();
        // The locked piece is shown first; each mark waits 15 ms.
        std::vector<std::string> expected{"drawBoard"};
        for (int y = 30 - rows; y <= 29; ++y) {
            for (int x = 4; x <= 15; ++x)
                expected.push_back("mark:" + std::to_string(x) + "," + std::to_string(y));
        }
        expected.insert(expected.end(), {"Level : " + std::to_string(levelAfter),
                                         "Score : " + std::to_string(100 + points),
                                         "Lines : " + std::to_string(lines + rows)});
        EXPECT_EQ(host.calls, expected);
        EXPECT_EQ(host.now - start, 15u * 12u * static_cast<unsigned>(rows));
        EXPECT_EQ(std::tuple(game.board(7, 29), game.board(8, 29)),
                  std::tuple(0, 1));  // the short row
    }
}

TEST_F(LineClear, LevelThirtyWinsWithTheBonusOnlyWhenTheBoardTurnsAndThePassFinishes) {
    for (bool turning : {true, false}) {
        SCOPED_TRACE(turning);
        startPaused();
        host.turning = turning;
        game.lines = 434;
        game.score = 5000;
        fillRow(29, 9);
        place(kShapeI, 8, 26);  // the I fills the gap at column 9
        host.calls.clear();
        runFor(5000);
        EXPECT_EQ(game.gamewon, true);
        // After the congratulation the pass still hands over and draws a new
        // preview, and the render tick draws; then the loop stops.
        const std::vector<std::string> tail(host.calls.end() - 10, host.calls.end());
        const std::vector<std::string> expectedTail{
            "Level : 30",   "Score : 5030",
            "Lines : 435",  "Score : " + std::to_string(turning ? 6030 : 5030),
            "restart:off",  "frame:show",
            "clearDrawing", std::string("endgame:") + (turning ? "turning" : "upright"),
            "preview",      "drawBoard"};
        EXPECT_EQ(tail, expectedTail);
        EXPECT_LT(host.now, 100000u + 2000u);
    }
}

}  // namespace gyrock::testing
