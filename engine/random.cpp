// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "engine/random.h"

namespace gyrock {
namespace {

// splitmix64: a strong mixer, so nearby ticks give unrelated states.
std::uint64_t mix(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void Random::reseed(std::uint32_t tick) {
    // Folding the tick into the running state, not replacing it, keeps two
    // reseeds within one millisecond from repeating a value.
    state_ = mix(state_ ^ (static_cast<std::uint64_t>(tick) << 17 | tick));
}

double Random::next() {
    state_ = mix(state_);
    return static_cast<double>(state_ >> 11) * 0x1.0p-53;
}

int Random::draw(std::uint32_t tick, int count) {
    reseed(tick);
    return static_cast<int>(next() * count);
}

}  // namespace gyrock
