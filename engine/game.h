// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The one game: its state under the names the rules use, and the procedures
// that play it. The window owns exactly one Game; tests make fresh ones.

#include <cstdint>
#include <string>

#include "board.h"
#include "host.h"
#include "random.h"

namespace gyrock {

using Flag = std::int16_t;  // 0 false, -1 true
inline constexpr Flag kFalse = 0;
inline constexpr Flag kTrue = -1;

inline constexpr const char* kWinTextTurning =
    "Congratulations! You have managed to defeat a very difficult game! For this achievement, "
    "you get a +1000 bonus to your score!";
inline constexpr const char* kWinTextUpright =
    "Congratulations! You have managed to defeat the Stakko version! Now play the Gyrock "
    "version for a real challenge!";

// The typed characters that pause and resume a game.
inline bool isPauseKey(int keyascii) { return keyascii == 'P' || keyascii == 'p'; }

class Game {
public:
    explicit Game(GameHost& host) : host_(host) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // NEW GAME: resets the state, then runs the loop until it stops.
    void newGame();
    // The loop; returns once paused, gameover or gamewon is set (or the window closes).
    void gameLoop();
    // The pause key: the typed character, forwarded by the window.
    void keyPress(int keyascii);
    // Waits ms milliseconds, yielding; 0 or less returns at once.
    void delay(std::int32_t ms);

    void firstPiece();
    void nextPiece();
    void rotatePiece();
    void clearLines();
    void turnBoard();
    // The turn back upright after a lost game: 2 degrees a pass, at least one pass.
    void turnBack();

    // The state. Widths follow the data they hold; all zero before the first game.
    Board board;
    PieceMatrix piece;
    PieceMatrix nextpiece;
    std::int16_t piecex{};
    std::int16_t piecey{};
    std::int16_t level{};
    std::int32_t score{};
    std::int32_t lines{};
    std::int32_t angle{};
    std::int32_t targetangle{};
    std::int32_t turncount{};
    std::int32_t falldelay{};
    Tick lastfall{};
    Tick lastmove{};
    Tick lastdraw{};
    bool keyleft = false;
    bool keyright = false;
    bool keyup = false;
    bool keydown = false;
    Flag paused = kFalse;
    Flag gameover = kFalse;
    Flag gamewon = kFalse;
    std::int32_t musicstream{};
    Random random;

private:
    bool stopped();
    void moveTick();
    void fallTick();  // returns with gameover set when the piece is blocked too high
    void lockPiece();
    void renderTick();
    Tick nextDue();
    void writeCounters();
    void writeScore();
    void winGame();

    GameHost& host_;
};

}  // namespace gyrock
