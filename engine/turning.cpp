// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <algorithm>

#include "engine/game.h"

namespace gyrock {
namespace {

constexpr std::int32_t kStep = 2;
constexpr Tick kTurnBackWaitMs = 25;

}  // namespace

void Game::turnBoard() {
    turncount = turncount - 1;
    if (turncount == 0) {
        // Each quantity is its own draw, each after its own reseed.
        turncount = random.draw(host_.tickCount(), 100) + 100;
        const int k = random.draw(host_.tickCount(), 3);
        if (k == 0) {
            targetangle = targetangle + random.draw(host_.tickCount(), 80) + 10;
        } else if (k == 1) {
            targetangle = targetangle - random.draw(host_.tickCount(), 80) - 10;
        } else {
            targetangle = 0;
        }
    }

    // Two tests, the second seeing the first: an odd target leaves the angle
    // resting one below it, so the angle stays even.
    if (angle < targetangle) angle = angle + kStep;
    if (angle > targetangle) angle = angle - kStep;

    // Deliberately lopsided: 360 resets, but only -362 does on the way down.
    if (angle == 360 || angle < -360) {
        angle = 0;
        targetangle = 0;
    }
}

void Game::turnBack() {
    phase_ = Phase::TurningBack;
    turnBackStep();
}

void Game::turnBackStep() {
    // Never more than the distance left, so an odd angle cannot oscillate.
    angle = angle - std::clamp(angle, -kStep, kStep);
    draw();
    waitStart_ = host_.tickCount();
    waitMs_ = kTurnBackWaitMs;
}

}  // namespace gyrock
