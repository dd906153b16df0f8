// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "instruments.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"

namespace music {

namespace {

std::size_t seconds(double s) { return static_cast<std::size_t>(s * kRate); }

// Each hit gets noise of its own, but the same noise on every render.
std::uint32_t seedFor(std::size_t at, std::uint32_t voice) {
    return static_cast<std::uint32_t>(at * 2654435761u) ^ (voice * 40503u) ^ 0x5bd1e995u;
}

// Key held for `length`, then a release of `release` seconds: 1 while held,
// falling smoothly to 0 after. The attack is a short rise against clicks.
double gate(std::size_t n, std::size_t length, double attack, double release) {
    double t = static_cast<double>(n) / kRate;
    double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    if (n < length) return rise;
    double after = static_cast<double>(n - length) / kRate;
    return after >= release ? 0.0 : rise * std::pow(1.0 - after / release, 2.0);
}

// The six detuned squares of the classic analogue hi-hat: their clashing
// overtones give the metallic ring that plain noise lacks.
class Metal {
  public:
    explicit Metal(double scale) {
        static constexpr double kFrequencies[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
        for (int i = 0; i < 6; ++i) {
            voices_[i] = Oscillator(0.13 * i);
            voices_[i].setFrequency(kFrequencies[i] * scale);
        }
    }
    double next() {
        double sum = 0.0;
        for (auto& v : voices_) sum += v.pulse();
        return sum / 6.0;
    }

  private:
    Oscillator voices_[6];
};

void cymbal(Stereo& out, std::size_t at, double velocity, double decay, double length,
            double highPassHz, double scale, double pan, std::uint32_t voice) {
    Noise noise(seedFor(at, voice));
    Metal metal(scale);
    Filter high, top;
    high.set(highPassHz, 0.8);
    top.set(15000.0, 0.7);
    Pan p(pan);
    std::size_t frames = seconds(length);
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        double env = std::exp(-t / decay) * std::min(1.0, t / 0.0008);
        double fade = 1.0 - static_cast<double>(n) / frames;  // lands exactly on 0
        double v = top.low(high.high(0.55 * metal.next() + 0.45 * noise.next()));
        v *= env * fade * velocity;
        out.add(at + n, v * p.left, v * p.right);
    }
}

}  // namespace

Pan::Pan(double position)
    : left(std::cos((position + 1.0) * kPi / 4.0)), right(std::sin((position + 1.0) * kPi / 4.0)) {}

void kick(Stereo& out, std::size_t at, double velocity) {
    Noise noise(seedFor(at, 1));
    Filter clickFilter;
    clickFilter.set(2500.0, 0.7);
    std::size_t frames = seconds(0.42);
    double phase = 0.0;
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        // The pitch drops from a knock to a low thump within a few milliseconds.
        double hz = 47.0 + 120.0 * std::exp(-t / 0.022) + 180.0 * std::exp(-t / 0.0035);
        phase += hz / kRate;
        double fade = 1.0 - static_cast<double>(n) / frames;
        double body = std::sin(2.0 * kPi * phase) * std::exp(-t / 0.22) * fade;
        body = std::tanh(1.8 * body) / std::tanh(1.8);
        double click = clickFilter.high(noise.next()) * std::exp(-t / 0.0025) * 0.35;
        double v = (body + click) * velocity * 0.95;
        out.add(at + n, v * 0.7071, v * 0.7071);
    }
}

void snare(Stereo& out, std::size_t at, double velocity) {
    Noise noise(seedFor(at, 2));
    Filter band, high;
    band.set(3200.0, 0.6);
    high.set(900.0, 0.7);
    std::size_t frames = seconds(0.32);
    double phase1 = 0.0, phase2 = 0.0;
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        phase1 += (185.0 + 80.0 * std::exp(-t / 0.012)) / kRate;
        phase2 += 332.0 / kRate;
        double fade = 1.0 - static_cast<double>(n) / frames;
        double tone = std::sin(2.0 * kPi * phase1) * std::exp(-t / 0.055) +
                      0.35 * std::sin(2.0 * kPi * phase2) * std::exp(-t / 0.035);
        double rattle = high.high(band.band(noise.next())) * 1.6 * std::exp(-t / 0.1);
        double v = (0.55 * tone + 0.8 * rattle) * fade * velocity;
        out.add(at + n, v * 0.7071, v * 0.7071);
    }
}

void closedHat(Stereo& out, std::size_t at, double velocity) {
    cymbal(out, at, velocity, 0.028, 0.14, 7000.0, 1.0, 0.3, 3);
}

void openHat(Stereo& out, std::size_t at, double velocity) {
    cymbal(out, at, velocity, 0.16, 0.5, 6500.0, 1.0, 0.3, 4);
}

void crash(Stereo& out, std::size_t at, double velocity) {
    cymbal(out, at, velocity, 0.75, 2.6, 4200.0, 1.45, -0.25, 5);
}

void bass(Stereo& out, std::size_t at, std::size_t length, int note, double velocity) {
    double hz = midiToHz(note);
    Oscillator saw(0.0), square(0.5), sub(0.0);
    saw.setFrequency(hz);
    square.setFrequency(hz * centsToRatio(7.0));
    sub.setFrequency(hz * 0.5);
    Filter low;
    constexpr double kRelease = 0.03;
    std::size_t frames = length + seconds(kRelease);
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        low.set(160.0 + hz * 1.5 + 2400.0 * velocity * std::exp(-t / 0.085), 1.5);
        double tone = low.low(0.5 * saw.saw() + 0.35 * square.pulse(0.42));
        double v = std::tanh(1.3 * (tone + 0.45 * sub.sine()));
        v *= gate(n, length, 0.003, kRelease) * velocity * 0.55;
        out.add(at + n, v * 0.7071, v * 0.7071);
    }
}

void pad(Stereo& out, std::size_t at, std::size_t length, int note, double velocity) {
    static constexpr double kDetune[] = {-12.0, -4.0, 4.0, 12.0};
    static constexpr double kPans[] = {-0.85, -0.3, 0.3, 0.85};
    double hz = midiToHz(note);
    Oscillator voices[4];
    Pan pans[4] = {Pan(kPans[0]), Pan(kPans[1]), Pan(kPans[2]), Pan(kPans[3])};
    Noise phases(seedFor(at, static_cast<std::uint32_t>(note)));
    for (int i = 0; i < 4; ++i) {
        voices[i] = Oscillator(0.5 * (phases.next() + 1.0));
        voices[i].setFrequency(hz * centsToRatio(kDetune[i]));
    }
    Filter lowL, lowR;
    constexpr double kAttack = 0.05, kRelease = 0.5;
    std::size_t frames = length + seconds(kRelease);
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        double env = gate(n, length, kAttack, kRelease);
        double cutoff = 1300.0 + 1400.0 * std::exp(-t / 0.4);
        lowL.set(cutoff, 0.8);
        lowR.set(cutoff, 0.8);
        double l = 0.0, r = 0.0;
        for (int i = 0; i < 4; ++i) {
            double s = voices[i].saw();
            l += s * pans[i].left;
            r += s * pans[i].right;
        }
        double g = env * velocity * 0.11;
        out.add(at + n, lowL.low(l) * g, lowR.low(r) * g);
    }
}

void lead(Stereo& out, std::size_t at, std::size_t length, int note, double velocity) {
    double hz = midiToHz(note);
    Oscillator saw(0.0), square(0.25), vibrato(0.0);
    vibrato.setFrequency(5.6);
    Filter low;
    constexpr double kRelease = 0.09;
    std::size_t frames = length + seconds(kRelease);
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        // Vibrato only blooms on held notes, never on the quick ones.
        double depth = 16.0 * std::clamp((t - 0.16) / 0.25, 0.0, 1.0);
        double bend = centsToRatio(depth * vibrato.sine());
        saw.setFrequency(hz * bend);
        square.setFrequency(hz * bend * centsToRatio(6.0));
        low.set(2400.0 + 3800.0 * std::exp(-t / 0.12), 1.1);
        double tone = low.low(0.6 * saw.saw() + 0.45 * square.pulse(0.5));
        double level = 0.75 + 0.25 * std::exp(-t / 0.18);
        double v = tone * level * gate(n, length, 0.004, kRelease) * velocity * 0.32;
        out.add(at + n, v * 0.7071, v * 0.7071);
    }
}

void pluck(Stereo& out, std::size_t at, std::size_t length, int note, double velocity,
           double brightness, double pan) {
    double hz = midiToHz(note);
    Oscillator body(0.0), shine(0.0);
    body.setFrequency(hz);
    shine.setFrequency(hz * 2.0 * centsToRatio(3.0));
    Filter low;
    Pan p(pan);
    constexpr double kRelease = 0.04;
    std::size_t frames = length + seconds(kRelease);
    for (std::size_t n = 0; n < frames; ++n) {
        double t = static_cast<double>(n) / kRate;
        low.set(350.0 + brightness * 5200.0 * std::exp(-t / 0.06), 1.8);
        double tone = low.low(0.7 * body.pulse(0.3) + 0.3 * shine.saw());
        double v = tone * std::exp(-t / 0.17) * gate(n, length, 0.002, kRelease) * velocity * 0.3;
        out.add(at + n, v * p.left, v * p.right);
    }
}

}  // namespace music
