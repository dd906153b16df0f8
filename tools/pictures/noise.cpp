// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "noise.h"

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double lattice(std::int64_t ix, std::int64_t iy, std::uint64_t seed) {
    const std::uint64_t h = mix(seed ^ mix(static_cast<std::uint64_t>(ix) * 0x9E3779B97F4A7C15ULL ^
                                           static_cast<std::uint64_t>(iy)));
    return static_cast<double>(h >> 11) / 9007199254740992.0;
}

double fade(double t) { return t * t * (3 - 2 * t); }

}  // namespace

std::uint64_t Prng::next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    return mix(state_);
}

double Prng::uniform() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

int Prng::range(int lo, int hi) {
    return lo + static_cast<int>(uniform() * static_cast<double>(hi - lo + 1));
}

double Prng::between(double lo, double hi) { return lo + uniform() * (hi - lo); }

double valueNoise(double x, double y, std::uint64_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    const double tx = fade(x - fx), ty = fade(y - fy);
    const double a = lattice(ix, iy, seed), b = lattice(ix + 1, iy, seed);
    const double c = lattice(ix, iy + 1, seed), d = lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, int octaves, std::uint64_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * valueNoise(x, y, seed + static_cast<std::uint64_t>(o) * 7919);
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double edge0, double edge1, double v) {
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

}  // namespace pictures
