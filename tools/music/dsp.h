// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The few signal-processing parts the music is built from: oscillators,
// a filter, noise, and the two room effects. Everything is deterministic:
// the same build renders the same samples every time.

#include <cmath>
#include <cstdint>
#include <vector>

namespace music {

inline constexpr int kRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

inline double midiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }
inline double centsToRatio(double cents) { return std::pow(2.0, cents / 1200.0); }

// Our own small generator, so the noise never depends on a library's choice.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    double next() {  // uniform in [-1, 1)
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_;
};

// Band-limited corrections for the jumps of saw and square waves, so high
// notes do not fold back into hiss.
inline double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

class Oscillator {
  public:
    explicit Oscillator(double startPhase = 0.0) : phase_(startPhase) {}
    void setFrequency(double hz) { step_ = hz / kRate; }
    double saw() {
        double out = 2.0 * phase_ - 1.0 - polyBlep(phase_, step_);
        advance();
        return out;
    }
    // width: the part of each cycle spent high (0.5 is a plain square).
    double pulse(double width = 0.5) {
        double out = phase_ < width ? 1.0 : -1.0;
        out += polyBlep(phase_, step_);
        double shifted = phase_ - width;
        if (shifted < 0.0) shifted += 1.0;
        out -= polyBlep(shifted, step_);
        advance();
        return out;
    }
    double sine() {
        double out = std::sin(2.0 * kPi * phase_);
        advance();
        return out;
    }
    double triangle() {
        double out = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
        advance();
        return out;
    }

  private:
    void advance() {
        phase_ += step_;
        if (phase_ >= 1.0) phase_ -= 1.0;
    }
    double phase_ = 0.0;
    double step_ = 0.0;
};

// A state-variable filter (trapezoidal form): stays stable when the cutoff
// sweeps fast, which the plucks and the bass do on every note.
class Filter {
  public:
    void set(double cutoffHz, double q) {
        cutoffHz = std::fmin(std::fmax(cutoffHz, 20.0), kRate * 0.45);
        g_ = std::tan(kPi * cutoffHz / kRate);
        k_ = 1.0 / q;
        a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
        a2_ = g_ * a1_;
        a3_ = g_ * a2_;
    }
    void process(double in) {
        double v3 = in - ic2_;
        double v1 = a1_ * ic1_ + a2_ * v3;
        double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        low_ = v2;
        band_ = v1;
        high_ = in - k_ * v1 - v2;
    }
    double low(double in) {
        process(in);
        return low_;
    }
    double band(double in) {
        process(in);
        return band_;
    }
    double high(double in) {
        process(in);
        return high_;
    }

  private:
    double g_ = 0.0, k_ = 1.0, a1_ = 0.0, a2_ = 0.0, a3_ = 0.0;
    double ic1_ = 0.0, ic2_ = 0.0;
    double low_ = 0.0, band_ = 0.0, high_ = 0.0;
};

// A small plate-like room: eight damped combs and four all-passes a side,
// the two sides a few samples apart for width.
class Reverb {
  public:
    Reverb(double roomSize, double damping);
    void process(double inL, double inR, double& outL, double& outR);

  private:
    struct Comb {
        std::vector<double> line;
        std::size_t pos = 0;
        double store = 0.0;
    };
    struct AllPass {
        std::vector<double> line;
        std::size_t pos = 0;
    };
    static double comb(Comb& c, double in, double feedback, double damp);
    static double allPass(AllPass& a, double in);
    std::vector<Comb> combsL_, combsR_;
    std::vector<AllPass> passesL_, passesR_;
    double feedback_, damp_;
};

// A tempo-locked echo that bounces between the sides.
class PingPongDelay {
  public:
    PingPongDelay(int delaySamples, double feedback, double toneHz);
    void process(double inL, double inR, double& outL, double& outR);

  private:
    std::vector<double> left_, right_;
    std::size_t pos_ = 0;
    double feedback_;
    Filter toneL_, toneR_;
};

}  // namespace music
