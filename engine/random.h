// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The game's one random generator. Reseeding mixes the tick count into the
// current state instead of restarting the sequence, so several draws within
// the same millisecond still differ.

#include <cstdint>

namespace gyrock {

class Random {
  public:
    explicit Random(std::uint64_t seed = 0x9E3779B97F4A7C15ull) : state_(seed) {}

    void reseed(std::uint32_t tick);
    // Uniform in [0, 1).
    double next();
    // Reseed from the tick, then Int(r * count): 0..count-1.
    int draw(std::uint32_t tick, int count);

  private:
    std::uint64_t state_;
};

}  // namespace gyrock
