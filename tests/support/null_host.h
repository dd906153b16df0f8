// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A host that does nothing: for code that only reads a game's state (the
// renderer's tests and benchmarks) and needs a Game without a window.

#include "engine/host.h"

namespace gyrock {

class NullHost : public GameHost {
  public:
    Tick tickCount() override { return 0; }
    bool keyHeld(Arrow) override { return false; }
    bool boardTurning() override { return true; }
    bool musicOn() override { return false; }
    bool newGameButtonVisible() override { return true; }
    void setRestartEnabled(bool) override {}
    void setGameOverShown(bool) override {}
    void setGameModeFrameShown(bool) override {}
    void setPausedShown(bool) override {}
    void setCounter(Counter, std::int32_t) override {}
    std::int32_t openMusic() override { return 0; }
    void playMusicLooped(std::int32_t) override {}
    void freeMusic(std::int32_t) override {}
    void drawBoard() override {}
    void drawPreview() override {}
    void markClearedCell(int, int) override {}
    void clearWindowDrawing() override {}
    void showEndGame(Victory) override {}
    void finishGame() override {}
    void turnedBack() override {}
};

}  // namespace gyrock
