// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Our own seeded randomness, so the pictures come out the same on every run
// and on every machine (std:: distributions differ between libraries).

#include <cstdint>

namespace pictures {

// SplitMix64: small, fast and good enough for mottling and star fields.
class Prng {
  public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();           // [0, 1)
    int range(int lo, int hi);  // lo..hi inclusive
    double between(double lo, double hi);

  private:
    std::uint64_t state_;
};

// Smooth value noise in [0, 1) on a lattice of spacing 1, and a sum of
// octaves of it for cloudy shapes.
double valueNoise(double x, double y, std::uint64_t seed);
double fractalNoise(double x, double y, int octaves, std::uint64_t seed);

double clamp01(double v);
double smoothstep(double edge0, double edge1, double v);

}  // namespace pictures
