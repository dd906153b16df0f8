// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "engine/game.h"

namespace gyrock {

void Game::newGame() {
    gamewon = false;

    host_.setRestartEnabled(true);
    host_.setGameOverShown(false);
    host_.setGameModeFrameShown(false);

    gameover = false;
    angle = 0;
    targetangle = 0;
    score = 0;
    level = 1;
    lines = 0;

    writeCounters();

    turncount = random.draw(host_.tickCount(), 50) + 120;

    for (int column = kWellLeft; column <= kWellRight; ++column) {
        for (int row = kWellTop; row <= kWellBottom; ++row) board(column, row) = kEmpty;
    }
    for (int row = 0; row <= kFloorRow; ++row) {
        board(kLeftWall, row) = kWall;
        board(kRightWall, row) = kWall;
    }
    for (int column = 0; column <= kRightWall; ++column) board(column, kFloorRow) = kWall;

    if (host_.musicOn()) {
        // Free first, so repeated new games never play two streams at once and
        // the music always starts from its beginning.
        host_.freeMusic(musicstream);
        musicstream = host_.openMusic();
        host_.playMusicLooped(musicstream);
    }

    firstPiece();
    nextPiece();
    // Whatever the last game was still doing (a clearing effect) ends here.
    phase_ = Phase::Idle;
    play();
}

void Game::writeCounters() {
    host_.setCounter(Counter::Level, level);
    writeScore();
    host_.setCounter(Counter::Lines, lines);
}

void Game::writeScore() { host_.setCounter(Counter::Score, score); }

}  // namespace gyrock
