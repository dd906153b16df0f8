// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <algorithm>

#include "engine/game.h"
#include "engine/pieces.h"

namespace gyrock {
namespace {

constexpr Tick kMoveTick = 70;
constexpr Tick kRenderTick = 25;
constexpr std::int32_t kFastFall = 25;
constexpr int kLockRowLimit = 6;

}  // namespace

bool Game::stopped() {
    return paused != 0 || gameover != 0 || gamewon != 0 || host_.closing();
}

void Game::gameLoop() {
    // All three ticks start afresh on entry: nothing moves on the first pass.
    lastfall = host_.tickCount();
    lastmove = host_.tickCount();
    lastdraw = host_.tickCount();

    while (!stopped()) {
        keyleft = host_.keyHeld(Arrow::Left);
        keyright = host_.keyHeld(Arrow::Right);
        keyup = host_.keyHeld(Arrow::Up);
        keydown = host_.keyHeld(Arrow::Down);

        if (host_.tickCount() - lastmove >= kMoveTick) moveTick();

        falldelay = static_cast<std::int16_t>(700 - 20 * level);
        if (keydown) falldelay = kFastFall;

        if (host_.tickCount() - lastfall >= static_cast<Tick>(falldelay)) {
            fallTick();
            if (gameover != 0) return;  // no redraw, no yield
        }

        if (host_.tickCount() - lastdraw >= kRenderTick) renderTick();

        host_.yield(nextDue());
    }
}

void Game::moveTick() {
    lastmove = host_.tickCount();
    if (keyup) rotatePiece();
    if (keyleft && fits(board, piece, piecex - 1, piecey)) piecex = piecex - 1;
    if (keyright && fits(board, piece, piecex + 1, piecey)) piecex = piecex + 1;
}

void Game::fallTick() {
    lastfall = host_.tickCount();
    if (fits(board, piece, piecex, piecey + 1)) {
        piecey = piecey + 1;
        return;
    }
    if (piecey < kLockRowLimit) {
        // Blocked in the top rows: the piece is discarded, not written.
        gameover = kTrue;
        host_.finishGame();
        return;
    }
    lockPiece();
    clearLines();
    piece = nextpiece;
    nextPiece();
}

void Game::lockPiece() {
    for (int i = 0; i < piece.n; ++i) {
        for (int j = 0; j < piece.n; ++j) {
            if (piece(i, j) != 0) board(piecex + i, piecey + j) = static_cast<std::int8_t>(piece(i, j));
        }
    }
}

void Game::renderTick() {
    lastdraw = host_.tickCount();
    if (host_.boardTurning()) turnBoard();
    host_.drawBoard();
}

Tick Game::nextDue() {
    // How long the host may sleep before one of the three ticks falls due.
    const Tick now = host_.tickCount();
    auto left = [now](Tick since, Tick spacing) {
        const Tick elapsed = now - since;
        return elapsed >= spacing ? Tick{0} : spacing - elapsed;
    };
    const Tick fall = static_cast<Tick>(std::max<std::int32_t>(falldelay, 0));
    return std::min({left(lastmove, kMoveTick), left(lastfall, fall), left(lastdraw, kRenderTick)});
}

void Game::delay(std::int32_t ms) {
    const Tick wait = static_cast<Tick>(std::max<std::int32_t>(ms, 0));
    const Tick start = host_.tickCount();
    Tick elapsed = host_.tickCount() - start;
    while (elapsed < wait && !host_.closing()) {
        host_.yield(wait - elapsed);
        elapsed = host_.tickCount() - start;
    }
}

void Game::keyPress(int keyascii) {
    if (gameover != 0 || host_.newGameButtonVisible()) return;
    if (!isPauseKey(keyascii)) return;
    if (paused == kFalse) {
        paused = kTrue;
        host_.setPausedShown(true);
    } else if (paused == kTrue) {
        paused = kFalse;
        host_.setPausedShown(false);
        gameLoop();
    }
}

}  // namespace gyrock
