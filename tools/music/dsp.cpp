// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "dsp.h"

namespace music {

namespace {
// Delay lengths (in samples at 44.1 kHz) chosen mutually prime-ish so the
// echoes never line up into a pitch.
constexpr int kCombLengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllPassLengths[] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
}  // namespace

Reverb::Reverb(double roomSize, double damping) : feedback_(roomSize), damp_(damping) {
    for (int length : kCombLengths) {
        combsL_.push_back({std::vector<double>(length, 0.0)});
        combsR_.push_back({std::vector<double>(length + kStereoSpread, 0.0)});
    }
    for (int length : kAllPassLengths) {
        passesL_.push_back({std::vector<double>(length, 0.0)});
        passesR_.push_back({std::vector<double>(length + kStereoSpread, 0.0)});
    }
}

double Reverb::comb(Comb& c, double in, double feedback, double damp) {
    double out = c.line[c.pos];
    c.store = out * (1.0 - damp) + c.store * damp;
    c.line[c.pos] = in + c.store * feedback;
    if (++c.pos == c.line.size()) c.pos = 0;
    return out;
}

double Reverb::allPass(AllPass& a, double in) {
    double delayed = a.line[a.pos];
    double out = delayed - in;
    a.line[a.pos] = in + delayed * 0.5;
    if (++a.pos == a.line.size()) a.pos = 0;
    return out;
}

void Reverb::process(double inL, double inR, double& outL, double& outR) {
    double in = (inL + inR) * 0.015;
    double l = 0.0, r = 0.0;
    for (auto& c : combsL_) l += comb(c, in, feedback_, damp_);
    for (auto& c : combsR_) r += comb(c, in, feedback_, damp_);
    for (auto& a : passesL_) l = allPass(a, l);
    for (auto& a : passesR_) r = allPass(a, r);
    outL = l;
    outR = r;
}

PingPongDelay::PingPongDelay(int delaySamples, double feedback, double toneHz)
    : left_(delaySamples, 0.0), right_(delaySamples, 0.0), feedback_(feedback) {
    toneL_.set(toneHz, 0.707);
    toneR_.set(toneHz, 0.707);
}

void PingPongDelay::process(double inL, double inR, double& outL, double& outR) {
    double echoL = left_[pos_];
    double echoR = right_[pos_];
    // What comes in enters on the left; each repeat crosses to the other side
    // and loses a little treble, like tape.
    left_[pos_] = (inL + inR) * 0.5 + toneR_.low(echoR) * feedback_;
    right_[pos_] = toneL_.low(echoL) * feedback_;
    if (++pos_ == left_.size()) pos_ = 0;
    outL = echoL;
    outR = echoR;
}

}  // namespace music
