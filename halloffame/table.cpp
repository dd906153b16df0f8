// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "halloffame/table.h"

#include <utility>

namespace gyrock {

namespace {

int swapPairsFrom(int first, std::array<std::string, hallOfFameSize>& hofname,
                  std::array<std::int32_t, hallOfFameSize>& hofscore) {
    constexpr int last = hallOfFameSize - 1;
    int swaps = 0;
    for (int i = first; i + 1 <= last; i += 2) {
        if (hofscore[i] > hofscore[i + 1]) {
            std::swap(hofname[i], hofname[i + 1]);
            std::swap(hofscore[i], hofscore[i + 1]);
            ++swaps;
        }
    }
    return swaps;
}

}  // namespace

void sortHallOfFame(std::array<std::string, hallOfFameSize>& hofname,
                    std::array<std::int32_t, hallOfFameSize>& hofscore) {
    int swaps = 0;
    do {
        swaps = swapPairsFrom(0, hofname, hofscore);
        swaps += swapPairsFrom(1, hofname, hofscore);
    } while (swaps != 0);
}

void enterName(HallOfFame& table, std::int32_t score, std::string name) {
    table.hofscore[0] = score;
    table.hofname[0] = std::move(name);
    sortHallOfFame(table.hofname, table.hofscore);
}

bool qualifies(const HallOfFame& table, std::int32_t score) {
    for (std::int32_t entry : table.hofscore) {
        if (entry < score) return true;
    }
    return false;
}

}  // namespace gyrock
