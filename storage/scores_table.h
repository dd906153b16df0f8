// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The ten-entry hall of fame as scores.txt holds it, ascending: index 0 is
// tenth place, index 9 first place.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace gyrock {

inline constexpr int hallOfFameSize = 10;

// What the name box takes, in characters: generous for any name, and ten of
// them always fit the file whatever the characters.
inline constexpr int maxNameLength = 64;
// A name in the table never holds more bytes of UTF-8 than this, so that
// whatever is written, quotes doubled, is read back whole; a longer one from
// an old or edited file is cut here.
inline constexpr std::size_t maxNameBytes = 512;

struct HallOfFame {
    std::array<std::int32_t, hallOfFameSize> hofscore{};
    std::array<std::string, hallOfFameSize> hofname{};

    bool operator==(const HallOfFame&) const = default;
};

}  // namespace gyrock
