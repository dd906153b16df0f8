// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A stand-in for the window: a simulated clock that yield advances by the
// engine's own hint, held keys, scripted events, and a log of every call.

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/game.h"

namespace gyrock::testing {

class FakeHost : public GameHost {
public:
    std::uint64_t now = 100000;  // wide, so scripted events survive the tick wrap
    std::array<bool, 4> held{};
    bool turning = true;
    bool music = true;
    bool frameShown = true;  // the Game Mode frame, and with it NEW GAME
    bool closingFlag = false;
    std::vector<std::string> calls;
    int yields = 0;

    // Runs at a yield once the clock has reached its time.
    std::multimap<std::uint64_t, std::function<void()>> events;
    std::function<void()> onYield;

    void after(std::uint64_t ms, std::function<void()> action) { events.emplace(now + ms, std::move(action)); }
    void hold(Arrow key, bool down = true) { held[static_cast<int>(key)] = down; }
    int count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

    Tick tickCount() override { return static_cast<Tick>(now); }
    bool keyHeld(Arrow key) override { return held[static_cast<int>(key)]; }
    void yield(Tick hint) override {
        ++yields;
        // Up to the hint, or to the next event when that comes sooner.
        now = events.empty() ? now + hint : std::clamp(events.begin()->first, now, now + hint);
        while (!events.empty() && events.begin()->first <= now) {
            auto action = std::move(events.begin()->second);
            events.erase(events.begin());
            action();
        }
        if (onYield) onYield();
    }
    bool closing() override { return closingFlag; }

    bool boardTurning() override { return turning; }
    bool musicOn() override { return music; }
    bool newGameButtonVisible() override { return frameShown; }

    void setRestartEnabled(bool on) override { calls.push_back(on ? "restart:on" : "restart:off"); }
    void setGameOverShown(bool on) override { calls.push_back(on ? "gameover:show" : "gameover:hide"); }
    void setGameModeFrameShown(bool on) override {
        frameShown = on;
        calls.push_back(on ? "frame:show" : "frame:hide");
    }
    void setPausedShown(bool on) override { calls.push_back(on ? "paused:show" : "paused:hide"); }
    void setCounterText(Counter, const std::string& text) override { calls.push_back(text); }

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
    void showEndGame(const std::string& text) override { calls.push_back("endgame:" + text); }
    void finishGame() override { calls.push_back("finishGame"); }
};

}  // namespace gyrock::testing
