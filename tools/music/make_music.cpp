// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Renders the game's music, "Stakko Remix", to a 16-bit stereo WAV file.
//
//   make_music OUT.wav
//
// tools/music/render.sh builds this, runs it and encodes the result into
// assets/stakko_remix.mp3. The output is the same on every run.
//
// The piece is a loop: every note that rings past the end of the last bar is
// folded back onto the start, and the echo and the room run over the loop
// twice so that their tails at the top are the ones coming from the bottom.
// Played end to start the join is as smooth as anywhere else in the track.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dsp.h"
#include "instruments.h"
#include "score.h"

namespace music {
namespace {

// Long enough for the longest ring (the crash) to die away.
constexpr std::size_t kTailFrames = 2 * kBarFrames;
constexpr double kPeakTarget = 0.84;  // -1.5 dBFS, room for the encoder's overshoot

struct Buses {
    Buses()
        : kick(kLoopFrames + kTailFrames),
          hats(kLoopFrames + kTailFrames),
          snare(kLoopFrames + kTailFrames),
          crash(kLoopFrames + kTailFrames),
          bass(kLoopFrames + kTailFrames),
          pad(kLoopFrames + kTailFrames),
          arp(kLoopFrames + kTailFrames),
          lead(kLoopFrames + kTailFrames) {}
    Stereo kick, hats, snare, crash, bass, pad, arp, lead;
};

std::size_t framesOf(double steps) { return static_cast<std::size_t>(steps * kStepFrames); }

void play(const Event& e, Buses& b) {
    std::size_t at = framesOf(e.step);
    std::size_t length = framesOf(e.length);
    switch (e.voice) {
        case Voice::Kick:
            kick(b.kick, at, e.velocity);
            break;
        case Voice::Snare:
            snare(b.snare, at, e.velocity);
            break;
        case Voice::ClosedHat:
            closedHat(b.hats, at, e.velocity * 0.5);
            break;
        case Voice::OpenHat:
            openHat(b.hats, at, e.velocity * 0.45);
            break;
        case Voice::Crash:
            crash(b.crash, at, e.velocity * 0.5);
            break;
        case Voice::Bass:
            bass(b.bass, at, length, e.note, e.velocity);
            break;
        case Voice::Pad:
            pad(b.pad, at, length, e.note, e.velocity);
            break;
        case Voice::Lead:
            lead(b.lead, at, length, e.note, e.velocity);
            break;
        case Voice::LeadDouble:
            lead(b.lead, at, length, e.note, e.velocity);
            break;
        case Voice::Arp:
            pluck(b.arp, at, length, e.note, e.velocity, e.brightness, e.pan);
            break;
    }
}

// Folds everything past the loop's end back onto its start.
void wrap(Stereo& s) {
    for (std::size_t i = kLoopFrames; i < s.frames(); ++i) {
        s.l[i - kLoopFrames] += s.l[i];
        s.r[i - kLoopFrames] += s.r[i];
    }
    s.l.resize(kLoopFrames);
    s.r.resize(kLoopFrames);
}

// Runs an effect over the loop twice and keeps the second pass: by then its
// state at the top is what the end of the loop left behind.
using Effect = std::function<void(double, double, double&, double&)>;
Stereo runLooped(const Stereo& in, const Effect& effect) {
    Stereo out(kLoopFrames);
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < kLoopFrames; ++i) {
            double l, r;
            effect(in.l[i], in.r[i], l, r);
            if (pass == 1) {
                out.l[i] = l;
                out.r[i] = r;
            }
        }
    }
    return out;
}

// Music that breathes with the kick: the pads and the bass dip for a moment
// under each beat. Worked out on the loop's own clock, so it wraps too.
std::vector<double> kickDucking(const std::vector<Event>& events, double depth) {
    std::vector<double> gain(kLoopFrames, 1.0);
    const std::size_t before = static_cast<std::size_t>(0.004 * kRate);
    const std::size_t after = static_cast<std::size_t>(0.24 * kRate);
    for (const Event& e : events) {
        if (e.voice != Voice::Kick) continue;
        std::size_t at = framesOf(e.step) + kLoopFrames;
        for (std::size_t n = at - before; n < at + after; ++n) {
            double g;
            if (n < at) {
                g = 1.0 - depth * static_cast<double>(n - (at - before)) / before;
            } else {
                double x = static_cast<double>(n - at) / after;
                g = 1.0 - depth * 0.5 * (1.0 + std::cos(kPi * x));
            }
            double& slot = gain[n % kLoopFrames];
            slot = std::fmin(slot, g);
        }
    }
    return gain;
}

void duck(Stereo& s, const std::vector<double>& gain, double amount) {
    for (std::size_t i = 0; i < kLoopFrames; ++i) {
        double g = 1.0 - amount * (1.0 - gain[i]);
        s.l[i] *= g;
        s.r[i] *= g;
    }
}

void mixInto(Stereo& out, const Stereo& in, double level) {
    for (std::size_t i = 0; i < kLoopFrames; ++i) {
        out.l[i] += in.l[i] * level;
        out.r[i] += in.r[i] * level;
    }
}

double dbfs(double x) { return 20.0 * std::log10(std::fmax(x, 1e-12)); }

struct Levels {
    double peak = 0.0, rms = 0.0;
};

Levels measure(const Stereo& s, std::size_t from, std::size_t to) {
    Levels v;
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        v.peak = std::fmax(v.peak, std::fmax(std::fabs(s.l[i]), std::fabs(s.r[i])));
        sum += s.l[i] * s.l[i] + s.r[i] * s.r[i];
    }
    v.rms = std::sqrt(sum / (2.0 * static_cast<double>(to - from)));
    return v;
}

Stereo mixdown(const std::vector<Event>& events) {
    Buses b;
    for (const Event& e : events) play(e, b);
    for (Stereo* s : {&b.kick, &b.hats, &b.snare, &b.crash, &b.bass, &b.pad, &b.arp, &b.lead}) {
        wrap(*s);
    }

    std::vector<double> pump = kickDucking(events, 0.75);
    duck(b.bass, pump, 0.45);
    duck(b.pad, pump, 0.8);
    duck(b.arp, pump, 0.45);

    // One room for everything, one echo for the tunes.
    Stereo roomSend(kLoopFrames), echoSend(kLoopFrames);
    mixInto(roomSend, b.snare, 0.3);
    mixInto(roomSend, b.crash, 0.2);
    mixInto(roomSend, b.pad, 0.35);
    mixInto(roomSend, b.lead, 0.3);
    mixInto(roomSend, b.arp, 0.15);
    mixInto(echoSend, b.lead, 0.3);
    mixInto(echoSend, b.arp, 0.35);
    Reverb room(0.84, 0.4);
    PingPongDelay echo(static_cast<int>(3 * kStepFrames), 0.38, 4500.0);
    Stereo roomReturn = runLooped(roomSend, [&](double l, double r, double& ol, double& orr) {
        room.process(l, r, ol, orr);
    });
    Stereo echoReturn = runLooped(echoSend, [&](double l, double r, double& ol, double& orr) {
        echo.process(l, r, ol, orr);
    });

    const struct {
        const char* name;
        const Stereo& bus;
        double level;
    } faders[] = {{"kick", b.kick, 0.5},    {"hats", b.hats, 1.8},  {"snare", b.snare, 1.0},
                  {"crash", b.crash, 0.8},  {"bass", b.bass, 0.85}, {"pad", b.pad, 0.9},
                  {"arp", b.arp, 0.9},      {"lead", b.lead, 1.0},  {"room", roomReturn, 0.5},
                  {"echo", echoReturn, 0.5}};
    Stereo mix(kLoopFrames);
    for (const auto& f : faders) {
        mixInto(mix, f.bus, f.level);
        Levels v = measure(f.bus, 0, kLoopFrames);
        std::printf("  bus %-9s RMS %6.2f dB  peak %6.2f dB (before the master)\n", f.name,
                    dbfs(v.rms * f.level), dbfs(v.peak * f.level));
    }
    return mix;
}

// Takes any DC off (a rumble below 18 Hz nobody hears but the encoder would
// spend bits on), rounds off the highest peaks and sets the level.
void master(Stereo& mix) {
    Filter dcL, dcR;
    dcL.set(18.0, 0.707);
    dcR.set(18.0, 0.707);
    mix = runLooped(mix, [&](double l, double r, double& ol, double& orr) {
        ol = dcL.high(l);
        orr = dcR.high(r);
    });
    Levels raw = measure(mix, 0, kLoopFrames);
    // Drive a gentle saturator so the kick's tip is shaved rather than the
    // whole track turned down for it.
    const double drive = 1.6 / raw.peak;
    const double ceiling = std::tanh(1.6);
    for (std::size_t i = 0; i < kLoopFrames; ++i) {
        mix.l[i] = std::tanh(mix.l[i] * drive) / ceiling * kPeakTarget;
        mix.r[i] = std::tanh(mix.r[i] * drive) / ceiling * kPeakTarget;
    }
}

void report(const Stereo& mix) {
    Levels all = measure(mix, 0, kLoopFrames);
    std::printf("length %.2f s, peak %.2f dBFS, RMS %.2f dBFS\n",
                static_cast<double>(kLoopFrames) / kRate, dbfs(all.peak), dbfs(all.rms));
    const struct {
        const char* name;
        int from, to;
    } parts[] = {{"intro", 0, 4}, {"A", 4, 20}, {"B", 20, 36}, {"A'", 36, 52}, {"turn", 52, 56}};
    for (const auto& p : parts) {
        Levels v = measure(mix, p.from * kBarFrames, p.to * kBarFrames);
        std::printf("  %-6s bars %2d-%2d  RMS %.2f dBFS  peak %.2f dBFS\n", p.name, p.from,
                    p.to - 1, dbfs(v.rms), dbfs(v.peak));
    }
}

void put16(std::FILE* f, std::uint16_t v) {
    std::fputc(v & 0xff, f);
    std::fputc(v >> 8, f);
}

void put32(std::FILE* f, std::uint32_t v) {
    put16(f, static_cast<std::uint16_t>(v & 0xffff));
    put16(f, static_cast<std::uint16_t>(v >> 16));
}

// How the energy spreads over the spectrum, one octave-ish band at a time.
void reportBands(const Stereo& mix) {
    const struct {
        const char* name;
        double low, high;
    } bands[] = {{"sub   <120 Hz", 0, 120},
                 {"low  120-500", 120, 500},
                 {"mid  500-2k", 500, 2000},
                 {"high   2k-6k", 2000, 6000},
                 {"top   6k-20k", 6000, 0}};
    for (const auto& band : bands) {
        Filter hp1, hp2, lp1, lp2;
        if (band.low > 0) hp1.set(band.low, 0.707), hp2.set(band.low, 0.707);
        if (band.high > 0) lp1.set(band.high, 0.707), lp2.set(band.high, 0.707);
        double sum = 0.0;
        for (std::size_t i = 0; i < kLoopFrames; ++i) {
            double v = 0.5 * (mix.l[i] + mix.r[i]);
            if (band.low > 0) v = hp2.high(hp1.high(v));
            if (band.high > 0) v = lp2.low(lp1.low(v));
            sum += v * v;
        }
        std::printf("  band %s  RMS %6.2f dBFS\n", band.name, dbfs(std::sqrt(sum / kLoopFrames)));
    }
}

bool writeWav(const std::string& path, const Stereo& mix) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(kLoopFrames * 4);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1);  // PCM
    put16(f, 2);
    put32(f, kRate);
    put32(f, kRate * 4);
    put16(f, 4);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    // Triangular dither: the quiet release tails fade into noise, not into steps.
    Noise dither(12345);
    for (std::size_t i = 0; i < kLoopFrames; ++i) {
        for (double v : {mix.l[i], mix.r[i]}) {
            double d = (dither.next() + dither.next()) * 0.5;
            long q = std::lround(v * 32767.0 + d);
            q = q > 32767 ? 32767 : (q < -32768 ? -32768 : q);
            put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
        }
    }
    return std::fclose(f) == 0;
}

}  // namespace
}  // namespace music

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.wav\n", argv[0]);
        return 2;
    }
    music::Stereo mix = music::mixdown(music::composeTrack());
    music::master(mix);
    music::report(mix);
    music::reportBands(mix);
    if (!music::writeWav(argv[1], mix)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
