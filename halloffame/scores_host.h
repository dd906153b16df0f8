// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// What the hall-of-fame window needs from the main window. The main window
// implements it; tests use a fake.

#include <cstdint>

namespace gyrock {

struct ScoresHost {
    virtual ~ScoresHost() = default;

    // The "Game Mode" frame with NEW GAME and the mode buttons.
    virtual void setGameModeFrameEnabled(bool enabled) = 0;
    // NEW GAME showing means no game is in progress.
    virtual bool newGameButtonVisible() = 0;
    // The "Remain paused when submenus close" check box is ticked.
    virtual bool remainPaused() = 0;
    virtual std::int32_t currentScore() = 0;
    // Clears `paused`, hides "PAUSED" and enters the game loop again, as the
    // pause key does; returns when that loop returns.
    virtual void resumeGame() = 0;
    // Writes the table at once, so a crash after a name is entered never
    // loses it.
    virtual void saveHallOfFame() = 0;
};

}  // namespace gyrock
