// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "engine/game.h"

namespace gyrock {
namespace {

constexpr std::int32_t kEffectStepMs = 15;
constexpr int kLinesPerLevel = 15;
constexpr int kWinningLevel = 30;
constexpr std::int32_t kWinBonus = 1000;

}  // namespace

void Game::clearLines() {
    // A lock spans at most four rows, but the scan does not rely on it.
    int fullrows[kWellBottom - kWellTop + 1];
    int n = 0;
    for (int y = kWellTop; y <= kWellBottom; ++y) {
        int filled = 0;
        for (int x = kWellLeft; x <= kWellRight; ++x) filled += board(x, y) != kEmpty;
        if (filled == kWellRight - kWellLeft + 1) fullrows[n++] = y;
    }

    host_.drawBoard();

    for (int k = 0; k < n; ++k) {
        for (int x = kWellLeft; x <= kWellRight; ++x) {
            host_.markClearedCell(x, fullrows[k]);
            delay(kEffectStepMs);
        }
    }

    // Topmost first, so the lower entries still name the right rows.
    for (int k = 0; k < n; ++k) {
        for (int x = kWellLeft; x <= kWellRight; ++x) {
            for (int y = fullrows[k] - 1; y >= kWellTop; --y) board(x, y + 1) = board(x, y);
        }
    }

    lines = lines + n;
    level = static_cast<std::int16_t>(lines / kLinesPerLevel + 1);
    score = score + level * n;
    writeCounters();

    if (level >= kWinningLevel) winGame();
}

void Game::winGame() {
    gamewon = kTrue;
    const char* text = kWinTextUpright;
    if (host_.boardTurning()) {
        score = score + kWinBonus;
        text = kWinTextTurning;
    }
    writeScore();
    host_.setRestartEnabled(false);
    host_.setGameModeFrameShown(true);
    host_.clearWindowDrawing();
    host_.showEndGame(text);
}

}  // namespace gyrock
