// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The window's one timer on a simulated clock: scripted events at their
// times, the game's steps when due, the clock jumping from one to the next,
// so whole games run in microseconds; and the window's stand-in on it.

#include <algorithm>
#include <functional>
#include <map>

#include "engine/game.h"
#include "tests/support/null_host.h"

namespace gyrock::testing {

struct ScriptedClock {
    std::uint64_t now = 100000;  // wide, so scripted events survive the tick wrap
    std::array<bool, 4> held{};
    // Run once the clock has reached their time, before a step due then.
    std::multimap<std::uint64_t, std::function<void()>> events;
    // Runs after every step, as the window's other events would.
    std::function<void()> onStep;
    // Ends a run early once it holds, as a closed window would.
    std::function<bool()> stopWhen;

    void after(Tick ms, std::function<void()> f) { events.emplace(now + ms, std::move(f)); }

    // Until the clock would pass `until`, or nothing is left to run.
    void run(Game& game, std::uint64_t until = UINT64_MAX) {
        for (;;) {
            const auto due = game.untilDue();
            const std::uint64_t stepAt = due ? now + *due : UINT64_MAX;
            const std::uint64_t eventAt = events.empty() ? UINT64_MAX : events.begin()->first;
            const std::uint64_t next = std::max(now, std::min(stepAt, eventAt));
            if (next == UINT64_MAX || next > until) return;
            now = next;
            const auto keys = held;
            if (eventAt <= now) {
                // Taken out first: an event may schedule others.
                events.extract(events.begin()).mapped()();
            } else {
                game.step();
                if (onStep) onStep();
                if (stopWhen && stopWhen()) return;
            }
            // A key pressed reaches the game before anything else due now.
            if (held != keys) game.keysChanged();
        }
    }
};

// The window's stand-in: a host on the scripted clock, with its held keys.
class FakeHost : public NullHost, public ScriptedClock {
  public:
    Tick tickCount() override { return static_cast<Tick>(now); }
    bool keyHeld(Arrow key) override { return held[static_cast<int>(key)]; }
};

}  // namespace gyrock::testing
