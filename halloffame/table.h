// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The ten-entry hall of fame, held ascending: index 0 is tenth place,
// index 9 first place.

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

// Odd-even transposition sort of both arrays together, ascending by score.
// Only a strictly greater score moves up, so equal scores keep their order
// and a new entry placed at index 0 ends below every older equal one.
void sortHallOfFame(std::array<std::string, hallOfFameSize>& hofname,
                    std::array<std::int32_t, hallOfFameSize>& hofscore);

// The name entry: the new entry takes index 0, the lowest place, and the sort
// then moves it up to its rank, below every older entry of an equal score.
void enterName(HallOfFame& table, std::int32_t score, std::string name);

// True when some entry is strictly lower than the score.
bool qualifies(const HallOfFame& table, std::int32_t score);

}  // namespace gyrock
