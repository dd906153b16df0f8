// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <tuple>

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

}  // namespace gyrock::testing
