// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "engine/game.h"

namespace gyrock {
namespace {

constexpr Tick kEffectStepMs = 15;
constexpr int kLinesPerLevel = 15;
constexpr int kWinningLevel = 30;
constexpr std::int32_t kWinBonus = 1000;

}  // namespace

void Game::clearLines() {
    // A lock spans at most four rows, but the scan does not rely on it.
    fullrowCount_ = 0;
    for (int y = kWellTop; y <= kWellBottom; ++y) {
        int filled = 0;
        for (int x = kWellLeft; x <= kWellRight; ++x) filled += board(x, y) != kEmpty;
        if (filled == kWellRight - kWellLeft + 1) fullrows_[fullrowCount_++] = y;
    }

    draw();

    if (fullrowCount_ == 0) {
        finishClearLines();
        return;
    }
    // The effect runs in steps; the board and the rows found stay as they
    // are until it ends.
    afterClearing_ = phase_;
    phase_ = Phase::Clearing;
    effectStep_ = 0;
    markNextCell();
}

void Game::markNextCell() {
    constexpr int kWidth = kWellRight - kWellLeft + 1;
    host_.markClearedCell(kWellLeft + effectStep_ % kWidth, fullrows_[effectStep_ / kWidth]);
    waitStart_ = host_.tickCount();
    waitMs_ = kEffectStepMs;
}

void Game::finishClearLines() {
    const int n = fullrowCount_;
    // Topmost first, so the lower entries still name the right rows.
    for (int k = 0; k < n; ++k) {
        for (int x = kWellLeft; x <= kWellRight; ++x) {
            for (int y = fullrows_[k] - 1; y >= kWellTop; --y) board(x, y + 1) = board(x, y);
        }
    }

    lines = lines + n;
    level = static_cast<std::int16_t>(lines / kLinesPerLevel + 1);
    score = score + level * n;
    writeCounters();

    if (level >= kWinningLevel) winGame();
}

void Game::winGame() {
    gamewon = true;
    Victory victory = Victory::Upright;
    if (host_.boardTurning()) {
        score = score + kWinBonus;
        victory = Victory::Turning;
    }
    writeScore();
    host_.setRestartEnabled(false);
    host_.setGameModeFrameShown(true);
    host_.clearWindowDrawing();
    host_.showEndGame(victory);
}

}  // namespace gyrock
