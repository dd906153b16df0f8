// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The band: each call plays one note (or one drum hit) into a stereo buffer,
// added on top of what is already there.

#include <cstddef>
#include <vector>

namespace music {

struct Stereo {
    explicit Stereo(std::size_t frames) : l(frames, 0.0), r(frames, 0.0) {}
    std::size_t frames() const { return l.size(); }
    void add(std::size_t i, double left, double right) {
        if (i >= l.size()) return;
        l[i] += left;
        r[i] += right;
    }
    std::vector<double> l, r;
};

// Where a voice stands: -1 left, 0 centre, +1 right, at equal loudness.
struct Pan {
    explicit Pan(double position);
    double left, right;
};

void kick(Stereo& out, std::size_t at, double velocity);
void snare(Stereo& out, std::size_t at, double velocity);
void closedHat(Stereo& out, std::size_t at, double velocity);
void openHat(Stereo& out, std::size_t at, double velocity);
void crash(Stereo& out, std::size_t at, double velocity);

// Melodic voices: length is how long the key is held, in samples; the
// release rings on past it.
void bass(Stereo& out, std::size_t at, std::size_t length, int note, double velocity);
void pad(Stereo& out, std::size_t at, std::size_t length, int note, double velocity);
void lead(Stereo& out, std::size_t at, std::size_t length, int note, double velocity);
void pluck(Stereo& out, std::size_t at, std::size_t length, int note, double velocity,
           double brightness, double pan);

}  // namespace music
