// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "score.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace music {

namespace {

// ---------------------------------------------------------------------------
// The form, 56 bars in A minor, about 91 seconds:
//   bars  0- 3  intro       drums, bass and an arpeggio whose filter opens
//   bars  4-19  A           the theme, twice
//   bars 20-35  B           a broader tune over a wider harmony
//   bars 36-51  A'          the theme again, doubled an octave up
//   bars 52-55  turnaround  the kick drops out, a snare roll leads back to bar 0
// ---------------------------------------------------------------------------

enum class Section { Intro, A, B, A2, Turn };

Section sectionOf(int bar) {
    if (bar < 4) return Section::Intro;
    if (bar < 20) return Section::A;
    if (bar < 36) return Section::B;
    if (bar < 52) return Section::A2;
    return Section::Turn;
}

// One chord a bar.
// clang-format off
const char* const kChords[kBars] = {
    "Am", "F", "C", "G",                                      // intro
    "Am", "F", "C", "G", "Am", "F", "Dm", "E",                // A
    "Am", "F", "C", "G", "Am", "F", "Dm", "E",                //
    "F",  "G", "Em", "Am", "Dm", "G", "C", "E",               // B
    "F",  "G", "Em", "Am", "Dm", "E", "Am", "E",              //
    "Am", "F", "C", "G", "Am", "F", "Dm", "E",                // A'
    "Am", "F", "C", "G", "Am", "F", "Dm", "E",                //
    "F",  "G", "Dm", "E",                                     // turnaround
};
// clang-format on

struct Chord {
    const char* name;
    int bassRoot;  // the bass's note, between E2 and D#3
    int tones[3];  // the pad's close voicing around middle C
};

constexpr Chord kChordTable[] = {
    {"Am", 45, {57, 60, 64}},  // A3 C4 E4
    {"F", 41, {57, 60, 65}},   // A3 C4 F4
    {"C", 48, {55, 60, 64}},   // G3 C4 E4
    {"G", 43, {55, 59, 62}},   // G3 B3 D4
    {"Dm", 38, {57, 62, 65}},  // A3 D4 F4
    {"E", 40, {56, 59, 64}},   // G#3 B3 E4
    {"Em", 40, {55, 59, 64}},  // G3 B3 E4
};

const Chord& chordOf(int bar) {
    std::string name = kChords[bar];
    for (const Chord& c : kChordTable) {
        if (name == c.name) return c;
    }
    std::fprintf(stderr, "unknown chord %s\n", name.c_str());
    std::abort();
}

// clang-format off
// Tunes are written as text: "A4:2" is A above middle C held for two
// sixteenths, "r:4" a rest of a quarter, "|" a bar line (each bar must add
// up to 16).
constexpr const char* kThemeFirst =
    "A4:2 C5:2 E5:3 D5:1 E5:2 G5:2 E5:2 D5:2 |"  // Am
    "C5:3 A4:3 C5:2 F5:4 E5:2 D5:2 |"            // F
    "E5:2 D5:2 C5:2 D5:2 E5:4 G5:4 |"            // C
    "D5:3 D5:3 B4:2 G4:2 A4:2 B4:4 |"            // G
    "A4:2 C5:2 E5:3 D5:1 E5:2 A5:2 G5:2 E5:2 |"  // Am
    "F5:3 E5:3 D5:2 C5:4 A4:2 C5:2 |"            // F
    "D5:3 E5:3 F5:2 A5:4 G5:2 F5:2 |";           // Dm

constexpr const char* kThemeHome = "E5:6 G#4:2 B4:2 D5:2 E5:4 |";          // E, back home
constexpr const char* kThemeAway = "E5:4 G#5:2 B5:2 A5:2 G#5:2 E5:2 G#5:2 |";  // E, lifting to B

constexpr const char* kBridge =
    "A5:6 G5:2 F5:4 C5:4 |"            // F
    "D5:6 E5:2 G5:4 D5:4 |"            // G
    "E5:6 G5:2 B5:4 G5:4 |"            // Em
    "A5:8 G5:4 E5:4 |"                 // Am
    "F5:6 E5:2 D5:4 A4:4 |"            // Dm
    "B4:6 C5:2 D5:4 G5:4 |"            // G
    "E5:6 D5:2 C5:4 G4:4 |"            // C
    "G#4:4 B4:4 E5:4 D5:4 |"           // E
    "A5:6 G5:2 F5:4 A5:4 |"            // F
    "B5:6 A5:2 G5:4 D5:4 |"            // G
    "E5:6 G5:2 B5:6 A5:2 |"            // Em
    "A5:10 r:2 E5:2 G5:2 |"            // Am
    "F5:4 A5:4 G5:4 F5:4 |"            // Dm
    "E5:4 G#5:4 B5:4 G#5:4 |"          // E
    "A5:8 E5:4 C5:4 |"                 // Am
    "B4:4 D5:4 E5:2 G#5:2 B5:2 G#5:2 |";  // E, lifting to A'

constexpr const char* kTurnaround =
    "C5:4 F5:4 A5:8 |"       // F
    "B5:4 A5:4 G5:4 D5:4 |"  // G
    "F5:8 E5:4 D5:4 |"       // Dm
    "E5:12 r:4 |";           // E
// clang-format on

int noteNumber(const std::string& name) {
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    int pitch = kLetters[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++pitch;
        ++i;
    } else if (name[i] == 'b') {
        --pitch;
        ++i;
    }
    int octave = name[i] - '0';
    return 12 * (octave + 1) + pitch;
}

// Adds the tune's notes, starting at `bar`, to the given voice.
void addTune(std::vector<Event>& events, Voice voice, int bar, const char* tune, int transpose,
             double velocity) {
    std::string text;
    for (const char* c = tune; *c; ++c) text += *c == '|' ? std::string(" | ") : std::string(1, *c);
    std::istringstream words(text);
    std::string word;
    double step = bar * kStepsPerBar;
    int inBar = 0;
    while (words >> word) {
        if (word == "|") {
            if (inBar != kStepsPerBar) {
                std::fprintf(stderr, "bar %d of a tune holds %d sixteenths\n", bar, inBar);
                std::abort();
            }
            inBar = 0;
            ++bar;
            continue;
        }
        std::size_t colon = word.find(':');
        int length = std::stoi(word.substr(colon + 1));
        std::string name = word.substr(0, colon);
        if (name != "r") {
            // A downbeat is leaned on a little; the gap before the next note
            // keeps repeated notes apart.
            double accent = inBar == 0 ? 1.0 : (inBar % 4 == 0 ? 0.92 : 0.84);
            events.push_back(
                {voice, step, length - 0.2, noteNumber(name) + transpose, velocity * accent});
        }
        step += length;
        inBar += length;
    }
}

void addMelodies(std::vector<Event>& events) {
    auto theme = [&](int bar, bool away, double velocity) {
        addTune(events, Voice::Lead, bar, kThemeFirst, 0, velocity);
        addTune(events, Voice::Lead, bar + 7, away ? kThemeAway : kThemeHome, 0, velocity);
    };
    theme(4, false, 0.9);
    theme(12, true, 0.95);
    addTune(events, Voice::Lead, 20, kBridge, 0, 1.0);
    theme(36, false, 1.0);
    theme(44, false, 1.0);
    // A' shines: the theme doubled an octave above, softly.
    addTune(events, Voice::LeadDouble, 36, kThemeFirst, 12, 0.4);
    addTune(events, Voice::LeadDouble, 43, kThemeHome, 12, 0.4);
    addTune(events, Voice::LeadDouble, 44, kThemeFirst, 12, 0.45);
    addTune(events, Voice::LeadDouble, 51, kThemeHome, 12, 0.45);
    addTune(events, Voice::Lead, 52, kTurnaround, 0, 0.95);
}

void addDrums(std::vector<Event>& events, int bar) {
    Section section = sectionOf(bar);
    double top = bar * kStepsPerBar;
    auto hit = [&](Voice v, int step, double velocity) {
        events.push_back({v, top + step, 1.0, 0, velocity});
    };

    if (bar == 0 || bar == 4 || bar == 20 || bar == 36) hit(Voice::Crash, 0, 0.9);
    if (bar == 52) hit(Voice::Crash, 0, 0.6);

    bool breakdown = bar == 52 || bar == 53;
    for (int s = 0; s < kStepsPerBar; s += 4) {
        if (!breakdown) hit(Voice::Kick, s, s == 0 ? 1.0 : 0.94);
    }
    if (section == Section::A2 && bar % 2 == 1) hit(Voice::Kick, 14, 0.55);

    // Snare on the backbeat, with a fill at the end of every eight bars.
    bool fill = bar % 8 == 3 && bar > 3;
    bool bigFill = bar == 19 || bar == 35 || bar == 51;
    if (bar >= 2) {
        bool rolling = bar == 54 || bar == 55;  // the roll below takes over
        if (!breakdown && bar != 55) hit(Voice::Snare, 4, 0.9);
        if (!bigFill && !rolling) hit(Voice::Snare, 12, 0.95);
    }
    if (fill && !bigFill) {
        hit(Voice::Snare, 13, 0.45);
        hit(Voice::Snare, 14, 0.6);
        hit(Voice::Snare, 15, 0.75);
    }
    if (bigFill) {
        for (int s = 10; s < 16; ++s) hit(Voice::Snare, s, 0.5 + 0.08 * (s - 10));
    }
    if (section == Section::A2) hit(Voice::Snare, 7, 0.22);
    // The roll that carries the turnaround back to the top of the loop.
    if (bar == 54) {
        for (int s = 8; s < 16; s += 2) hit(Voice::Snare, s, 0.45 + 0.03 * s);
    }
    if (bar == 55) {
        for (int s = 0; s < 16; ++s) hit(Voice::Snare, s, 0.45 + 0.035 * s);
    }

    // Hi-hats: offbeats only in the first intro bars, then running sixteenths;
    // B and A' open the offbeat hat for more air.
    bool sparse = bar < 2;
    bool airy = section == Section::B || section == Section::A2;
    for (int s = 0; s < kStepsPerBar; ++s) {
        bool offbeat = s % 4 == 2;
        if (sparse && !offbeat) continue;
        if (offbeat && airy) {
            hit(Voice::OpenHat, s, 0.5);
            continue;
        }
        double velocity = offbeat ? 0.85 : (s % 2 == 1 ? 0.42 : 0.58);
        hit(Voice::ClosedHat, s, velocity);
    }
}

void addBass(std::vector<Event>& events, int bar) {
    Section section = sectionOf(bar);
    int root = chordOf(bar).bassRoot;
    double top = bar * kStepsPerBar;
    if (bar == 52 || bar == 53) {  // the breakdown: one long note a bar
        events.push_back({Voice::Bass, top, 15.6, root, 0.6});
        return;
    }
    for (int s = 0; s < kStepsPerBar; ++s) {
        if (section == Section::B) {
            // Bouncing octaves in eighths.
            if (s % 2 != 0) continue;
            int note = root + (s % 4 == 2 ? 12 : 0);
            events.push_back({Voice::Bass, top + s, 1.5, note, s % 4 == 0 ? 0.8 : 0.9});
        } else {
            // Rolling sixteenths that leave the kick its own space.
            if (s % 4 == 0) continue;
            int note = root + (s % 4 == 2 ? 12 : 0);
            events.push_back({Voice::Bass, top + s, 0.75, note, s % 4 == 2 ? 0.9 : 0.75});
        }
    }
}

void addPad(std::vector<Event>& events, int bar) {
    double velocity = 0.0;
    switch (sectionOf(bar)) {
        case Section::Intro:
            velocity = bar >= 2 ? 0.45 : 0.0;
            break;
        case Section::A:
            velocity = 0.55;
            break;
        case Section::B:
            velocity = 0.9;
            break;
        case Section::A2:
            velocity = 0.75;
            break;
        case Section::Turn:
            velocity = 0.95;
            break;
    }
    if (velocity == 0.0) return;
    for (int tone : chordOf(bar).tones) {
        events.push_back(
            {Voice::Pad, static_cast<double>(bar * kStepsPerBar), 15.7, tone, velocity});
    }
}

void addArp(std::vector<Event>& events, int bar) {
    static constexpr int kPattern[kStepsPerBar] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 2, 1, 0, 1, 2, 3};
    Section section = sectionOf(bar);
    double velocity = 0.0, brightness = 0.0;
    switch (section) {
        case Section::Intro:
            velocity = 0.8, brightness = 0.15 + 0.2 * bar;
            break;
        case Section::A:
            velocity = 0.65, brightness = 0.45;
            break;
        case Section::B:
            velocity = 0.45, brightness = 0.35;
            break;
        case Section::A2:
            velocity = 0.8, brightness = 0.8;
            break;
        case Section::Turn:
            velocity = 0.85, brightness = 0.6 + 0.12 * (bar - 52);
            break;
    }
    const Chord& chord = chordOf(bar);
    int tones[4] = {chord.tones[0] + 12, chord.tones[1] + 12, chord.tones[2] + 12,
                    chord.tones[0] + 24};
    for (int s = 0; s < kStepsPerBar; ++s) {
        double accent = s % 4 == 0 ? 1.0 : 0.8;
        Event e{Voice::Arp, static_cast<double>(bar * kStepsPerBar + s), 0.8, tones[kPattern[s]],
                velocity * accent};
        e.brightness = brightness;
        e.pan = s % 2 == 0 ? -0.35 : 0.35;
        events.push_back(e);
    }
}

}  // namespace

std::vector<Event> composeTrack() {
    std::vector<Event> events;
    for (int bar = 0; bar < kBars; ++bar) {
        addDrums(events, bar);
        addBass(events, bar);
        addPad(events, bar);
        addArp(events, bar);
    }
    addMelodies(events);
    return events;
}

}  // namespace music
