// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A host with no window behind it: plain options, no time or keys, and a
// log of what the game tells it. Enough for code that only reads a
// game's state (the renderer's tests and benchmarks), and the base of the
// engine tests' host.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/host.h"

namespace gyrock {

class NullHost : public GameHost {
  public:
    bool turning = true, music = false;
    bool frameShown = false;  // the Game Mode frame, and with it NEW GAME
    std::vector<std::string> calls;

    long count(const std::string& call) const { return std::ranges::count(calls, call); }
    void log(std::string call) { calls.push_back(std::move(call)); }

    Tick tickCount() override { return 0; }
    bool keyHeld(Arrow) override { return false; }
    bool boardTurning() override { return turning; }
    bool musicOn() override { return music; }
    bool newGameButtonVisible() override { return frameShown; }

    void setRestartEnabled(bool on) override { log(on ? "restart:on" : "restart:off"); }
    void setGameOverShown(bool on) override { log(on ? "gameover:show" : "gameover:hide"); }
    void setGameModeFrameShown(bool on) override { log(on ? "frame:show" : "frame:hide"); }
    void setPausedShown(bool on) override { log(on ? "paused:show" : "paused:hide"); }
    void setCounter(Counter which, std::int32_t value) override {
        log(std::array{"level:", "score:", "lines:"}[static_cast<int>(which)] +
            std::to_string(value));
    }
    std::int32_t openMusic() override { return 1; }
    void playMusicLooped(std::int32_t h) override { log("play:" + std::to_string(h)); }
    void freeMusic(std::int32_t h) override { log("free:" + std::to_string(h)); }
    void drawBoard() override { log("drawBoard"); }
    void drawPreview() override { log("preview"); }
    void markClearedCell(int x, int y) override {
        log("mark:" + std::to_string(x) + "," + std::to_string(y));
    }
    void clearWindowDrawing() override { log("clearDrawing"); }
    void showEndGame(Victory v) override { log(v == Victory::Turning ? "won:turn" : "won:up"); }
    void finishGame() override { log("finishGame"); }
    void turnedBack() override { log("turnedBack"); }
};

}  // namespace gyrock
