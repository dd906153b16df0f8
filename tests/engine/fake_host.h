// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A stand-in for the window: the scripted clock, held keys, and a log of
// every call.

#include <algorithm>
#include <string>
#include <vector>

#include "engine/game.h"
#include "tests/support/scripted_clock.h"

namespace gyrock::testing {

class FakeHost : public GameHost, public ScriptedClock {
  public:
    bool turning = true;
    bool music = true;
    bool frameShown = true;  // the Game Mode frame, and with it NEW GAME
    std::vector<std::string> calls;

    int count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

    Tick tickCount() override { return static_cast<Tick>(now); }
    bool keyHeld(Arrow key) override { return held[static_cast<int>(key)]; }

    bool boardTurning() override { return turning; }
    bool musicOn() override { return music; }
    bool newGameButtonVisible() override { return frameShown; }

    void setRestartEnabled(bool on) override { calls.push_back(on ? "restart:on" : "restart:off"); }
    void setGameOverShown(bool on) override {
        calls.push_back(on ? "gameover:show" : "gameover:hide");
    }
    void setGameModeFrameShown(bool on) override {
        frameShown = on;
        calls.push_back(on ? "frame:show" : "frame:hide");
    }
    void setPausedShown(bool on) override { calls.push_back(on ? "paused:show" : "paused:hide"); }
    void setCounter(Counter which, std::int32_t value) override {
        const char* names[] = {"Level : ", "Score : ", "Lines : "};
        calls.push_back(names[static_cast<int>(which)] + std::to_string(value));
    }

    std::int32_t openMusic() override {
        calls.push_back("openMusic");
        return 1;
    }
    void playMusicLooped(std::int32_t h) override { calls.push_back("play:" + std::to_string(h)); }
    void freeMusic(std::int32_t h) override { calls.push_back("free:" + std::to_string(h)); }

    void drawBoard() override { calls.push_back("drawBoard"); }
    void drawPreview() override { calls.push_back("preview"); }
    void markClearedCell(int x, int y) override {
        calls.push_back("mark:" + std::to_string(x) + "," + std::to_string(y));
    }
    void clearWindowDrawing() override { calls.push_back("clearDrawing"); }
    void showEndGame(Victory v) override {
        calls.push_back(v == Victory::Turning ? "endgame:turning" : "endgame:upright");
    }
    void finishGame() override { calls.push_back("finishGame"); }
    void turnedBack() override { calls.push_back("turnedBack"); }
};

}  // namespace gyrock::testing
