// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "game_fixture.h"

namespace gyrock::testing {

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
        // Only the short row is left, whole, where it dropped to.
        int cells = 0, shortRowCells = 0;
        for (int x = 4; x <= 15; ++x) {
            shortRowCells += game.board(x, c.shortRowAfter) != 0;
            for (int y = 5; y <= 29; ++y) cells += game.board(x, y) != 0;
        }
        EXPECT_EQ(std::pair(cells, shortRowCells), std::pair(11, 11));
    }
}

TEST_F(LineClear, LevelThirtyWinsWithTheBonusOnlyWhenTheBoardTurnsAndThePassFinishes) {
    for (bool turning : {true, false}) {
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
        const std::vector<std::string> expectedTail{
            "Score : " + std::to_string(turning ? 6030 : 5030),
            "restart:off",
            "frame:show",
            "clearDrawing",
            turning ? "won:turning" : "won:upright",
            "preview",
            "drawBoard"};
        EXPECT_EQ(std::vector(host.calls.end() - 7, host.calls.end()), expectedTail);
        EXPECT_LT(host.now, start + 2000);
    }
}

}  // namespace gyrock::testing
