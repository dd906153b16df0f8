// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// prefs.txt: the four option check boxes, one value a line, in the order
// Music, antialias, monochrome board, remain paused.

#include <cstdint>
#include <string>
#include <string_view>

namespace gyrock {

// A check box's three values.
inline constexpr std::int16_t checkClear = 0;
inline constexpr std::int16_t checkTicked = 1;
// Shown partly checked, and taken as not ticked.
inline constexpr std::int16_t checkGreyed = 2;

// The values the window is designed with (and "Defaults" sets).
struct Prefs {
    std::int16_t opt_mus = 1;
    std::int16_t opt_aa = 0;
    std::int16_t opt_color = 0;
    std::int16_t opt_remainp = 1;

    bool operator==(const Prefs&) const = default;
};

// The options as prefs.txt holds them, one a line.
inline constexpr std::int16_t Prefs::*prefsFileLines[] = {&Prefs::opt_mus, &Prefs::opt_aa,
                                                          &Prefs::opt_color, &Prefs::opt_remainp};

struct PrefsParse {
    Prefs prefs;
    bool damaged = false;
};

// Each line that holds 0, 1 or 2 is taken; a missing line or any other value
// gives the design value for that line and marks the file damaged.
PrefsParse parsePrefs(std::string_view bytes, bool truncated = false);

std::string formatPrefs(const Prefs& prefs);

}  // namespace gyrock
