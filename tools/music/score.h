// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The piece itself: what each instrument plays and when, as a list of notes
// on a grid of sixteenth notes.

#include <cstddef>
#include <vector>

namespace music {

// 147 beats a minute makes a sixteenth exactly 4500 samples at 44.1 kHz, so
// every note and the loop itself start on a whole sample.
inline constexpr std::size_t kStepFrames = 4500;
inline constexpr int kStepsPerBar = 16;
inline constexpr int kBars = 56;
inline constexpr std::size_t kBarFrames = kStepFrames * kStepsPerBar;
inline constexpr std::size_t kLoopFrames = kBarFrames * kBars;

enum class Voice { Kick, Snare, ClosedHat, OpenHat, Crash, Bass, Pad, Lead, LeadDouble, Arp };

struct Event {
    Voice voice;
    double step;    // start, in sixteenths from the top of the loop
    double length;  // how long the key is held, in sixteenths
    int note;       // MIDI note number (drums: unused)
    double velocity;
    double brightness = 1.0;  // arp only: how far its filter opens
    double pan = 0.0;         // arp only
};

std::vector<Event> composeTrack();

}  // namespace music
