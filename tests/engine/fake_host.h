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
    bool recording = true;
    std::vector<std::string> calls;
    int yields = 0;
    std::int32_t nextHandle = 1;

    // Runs at a yield once the clock has reached its time.
    std::multimap<std::uint64_t, std::function<void()>> events;
    std::function<void()> onYield;
    std::function<void()> onPreview;

    void after(std::uint64_t ms, std::function<void()> action) { events.emplace(now + ms, std::move(action)); }
    void hold(Arrow key, bool down = true) { held[static_cast<int>(key)] = down; }

    Tick tickCount() override { return static_cast<Tick>(now); }
    bool keyHeld(Arrow key) override { return held[static_cast<int>(key)]; }

    void yield(Tick hint) override {
        ++yields;
        std::uint64_t target = now + hint;
        if (!events.empty() && events.begin()->first < target) target = std::max(now, events.begin()->first);
        now = target;
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

    void setRestartEnabled(bool on) override { log(on ? "restart:on" : "restart:off"); }
    void setGameOverShown(bool on) override { log(on ? "gameover:show" : "gameover:hide"); }
    void setGameModeFrameShown(bool on) override {
        frameShown = on;
        log(on ? "frame:show" : "frame:hide");
    }
    void setPausedShown(bool on) override { log(on ? "paused:show" : "paused:hide"); }
    void setCounterText(Counter, const std::string& text) override { log(text); }

    std::int32_t openMusic() override {
        log("openMusic");
        return nextHandle++;
    }
    void playMusicLooped(std::int32_t h) override { log("play:" + std::to_string(h)); }
    void freeMusic(std::int32_t h) override { log("free:" + std::to_string(h)); }

    void drawBoard() override { log("drawBoard"); }
    void drawPreview() override {
        log("preview");
        if (onPreview) onPreview();
    }
    void markClearedCell(int column, int row) override {
        log("mark:" + std::to_string(column) + "," + std::to_string(row));
    }
    void clearWindowDrawing() override { log("clearDrawing"); }
    void showEndGame(const std::string& text) override { log("endgame:" + text); }
    void finishGame() override {
        log("finishGame");
        frameShown = true;
    }

    int count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }
    void log(const std::string& call) {
        if (recording) calls.push_back(call);
    }
};

}  // namespace gyrock::testing
