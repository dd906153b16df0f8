// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <algorithm>

#include "engine/game.h"

namespace gyrock {
namespace {

constexpr Tick kMoveTick = 70;
constexpr Tick kRenderTick = 25;
constexpr std::int32_t kFastFall = 25;
constexpr int kLockRowLimit = 6;

// Time left until a tick spaced `spacing` after `since` is due; 0 when overdue.
Tick left(Tick now, Tick since, Tick spacing) {
    const Tick elapsed = now - since;
    return spacing - std::min(elapsed, spacing);
}

// Moves `since` on by whole spacings to the last tick strictly before now:
// the ticks in between had nothing to do, and the one at `now` is still to run.
Tick lastIdleTick(Tick now, Tick since, Tick spacing) {
    const Tick elapsed = now - since;
    return elapsed == 0 ? since : since + (elapsed - 1) / spacing * spacing;
}

}  // namespace

bool Game::stopped() const { return paused || gameover || gamewon; }

void Game::play() {
    // All three ticks start afresh on entry: nothing moves on the first pass.
    lastfall = host_.tickCount();
    lastmove = host_.tickCount();
    lastdraw = host_.tickCount();
    moveKeysKnownHeld_ =
        host_.keyHeld(Arrow::Left) || host_.keyHeld(Arrow::Right) || host_.keyHeld(Arrow::Up);
    // An option may have changed while the game was stopped: draw afresh.
    drawn_.reset();
    if (phase_ == Phase::Idle) phase_ = Phase::Play;
    if (phase_ == Phase::Clearing) afterClearing_ = Phase::Play;
}

void Game::step() {
    const Tick now = host_.tickCount();
    switch (phase_) {
        case Phase::Idle:
            return;
        case Phase::Play:
            pass();
            return;
        case Phase::Clearing:
            if (now - waitStart_ < waitMs_) return;
            if (++effectStep_ < fullrowCount_ * (kWellRight - kWellLeft + 1)) {
                markNextCell();
                return;
            }
            phase_ = afterClearing_;
            finishClearLines();
            if (phase_ != Phase::Play) return;
            // The rest of the pass the lock interrupted.
            handOver();
            if (host_.tickCount() - lastdraw >= kRenderTick) renderTick();
            return;
        case Phase::TurningBack:
            if (now - waitStart_ < waitMs_) return;
            if (angle == 0) {
                phase_ = Phase::Idle;
                host_.turnedBack();
                return;
            }
            turnBackStep();
            return;
    }
}

void Game::pass() {
    if (stopped()) {
        phase_ = Phase::Idle;
        return;
    }
    skipIdleTicks(host_.tickCount());

    keyleft = host_.keyHeld(Arrow::Left);
    keyright = host_.keyHeld(Arrow::Right);
    keyup = host_.keyHeld(Arrow::Up);
    keydown = host_.keyHeld(Arrow::Down);
    moveKeysKnownHeld_ = moveKeysHeld();

    if (host_.tickCount() - lastmove >= kMoveTick) moveTick();

    falldelay = static_cast<std::int16_t>(700 - 20 * level);
    if (keydown) falldelay = kFastFall;

    if (host_.tickCount() - lastfall >= static_cast<Tick>(falldelay)) {
        fallTick();
        if (gameover || phase_ != Phase::Play) return;  // over, or a clearing effect runs first
    }

    if (host_.tickCount() - lastdraw >= kRenderTick) renderTick();
}

void Game::skipIdleTicks(Tick now) {
    // Move ticks with no arrow held did nothing.
    if (!moveKeysKnownHeld_) lastmove = lastIdleTick(now, lastmove, kMoveTick);
    // Render ticks that found the picture unchanged and the board at rest
    // only counted down to the next turn; the one that ends the count is no
    // idle tick.
    if (pictureChanged()) return;
    const bool turning = host_.boardTurning();
    if (turning && !boardResting()) return;
    const Tick skipTo = lastIdleTick(now, lastdraw, kRenderTick);
    Tick skipped = (skipTo - lastdraw) / kRenderTick;
    if (turning) {
        if (turncount >= 1) skipped = std::min<Tick>(skipped, static_cast<Tick>(turncount - 1));
        turncount = turncount - static_cast<std::int32_t>(skipped);
    }
    lastdraw = lastdraw + skipped * kRenderTick;
}

void Game::keysChanged() {
    if (phase_ != Phase::Play) return;
    // Ticks before a press with no arrow held were idle; the tick at this
    // very moment already sees the new state.
    if (!moveKeysKnownHeld_) lastmove = lastIdleTick(host_.tickCount(), lastmove, kMoveTick);
    moveKeysKnownHeld_ = moveKeysKnownHeld_ || host_.keyHeld(Arrow::Left) ||
                         host_.keyHeld(Arrow::Right) || host_.keyHeld(Arrow::Up);
}

bool Game::boardResting() const {
    // The two approach tests leave the angle where it is: at the target, or
    // one below an odd one.
    return angle == targetangle || angle + 1 == targetangle;
}

bool Game::pictureChanged() const {
    return !drawn_ || !(*drawn_ == Drawn{board, piece, piecex, piecey, angle});
}

std::optional<Tick> Game::untilDue() {
    const Tick now = host_.tickCount();
    switch (phase_) {
        case Phase::Idle:
            return std::nullopt;
        case Phase::Clearing:
        case Phase::TurningBack:
            return left(now, waitStart_, waitMs_);
        case Phase::Play:
            break;
    }
    if (stopped()) return Tick{0};  // the next pass finds it stopped and goes idle

    const bool down = host_.keyHeld(Arrow::Down);
    const auto fallSpacing =
        static_cast<Tick>(std::max<std::int32_t>(down ? kFastFall : 700 - 20 * level, 0));
    Tick due = left(now, lastfall, fallSpacing);

    if (host_.keyHeld(Arrow::Left) || host_.keyHeld(Arrow::Right) || host_.keyHeld(Arrow::Up)) {
        // Ticks skipped while nothing was held keep their places.
        const Tick since = moveKeysKnownHeld_ ? lastmove : lastIdleTick(now, lastmove, kMoveTick);
        due = std::min(due, left(now, since, kMoveTick));
    }

    const bool turning = host_.boardTurning();
    if (pictureChanged() || (turning && !boardResting())) {
        due = std::min(due, left(now, lastdraw, kRenderTick));
    } else if (turning && turncount >= 1) {
        // At rest, the board waits for the tick that ends its countdown.
        due = std::min(due, left(now, lastdraw, kRenderTick * static_cast<Tick>(turncount)));
    }
    return due;
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
        gameover = true;
        phase_ = Phase::Idle;
        host_.finishGame();
        return;
    }
    lockPiece();
    clearLines();
    if (phase_ == Phase::Play) handOver();
}

void Game::lockPiece() {
    for (int i = 0; i < piece.n; ++i) {
        for (int j = 0; j < piece.n; ++j) {
            if (piece(i, j) != 0)
                board(piecex + i, piecey + j) = static_cast<std::int8_t>(piece(i, j));
        }
    }
}

void Game::handOver() {
    piece = nextpiece;
    nextPiece();
}

void Game::renderTick() {
    lastdraw = host_.tickCount();
    if (host_.boardTurning()) turnBoard();
    draw();
}

void Game::draw() {
    host_.drawBoard();
    drawn_ = Drawn{board, piece, piecex, piecey, angle};
}

void Game::keyPress(int keyascii) {
    if (gameover || host_.newGameButtonVisible()) return;
    if (!isPauseKey(keyascii)) return;
    if (!paused) {
        paused = true;
        host_.setPausedShown(true);
    } else if (paused) {
        paused = false;
        host_.setPausedShown(false);
        play();
    }
}

}  // namespace gyrock
