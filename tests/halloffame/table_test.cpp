// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "halloffame/table.h"

#include <gtest/gtest.h>

// A score qualifies when some entry is strictly below it. The new entry, *,
// then replaces index 0 and the table is sorted ascending: names travel with
// their scores, equal scores keep their order, so the new entry ends below
// any equal older one. A loaded table need not be in order.
TEST(HallOfFame, NewEntryQualifiesAboveSomeEntryAndReplacesIndexZeroThenTheTableIsSorted) {
    const std::tuple<std::array<std::int32_t, 10>, std::int32_t, bool, std::string> cases[] = {
        // before (named a to j from index 0 up), score, qualifies, names after
        {{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 55, true, "bcde*fghij"},
        {{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 30, true, "b*cdefghij"},
        {{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 11, true, "*bcdefghij"},
        {{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 10, false, "*bcdefghij"},
        {{}, 0, false, "*bcdefghij"},
        {{900, 800, 700, 600, 500, 400, 300, 200, 100, 50}, 60, true, "j*ihgfedcb"},
        {{9, 3, 7, 1, 8, 2, 6, 0, 5, 4}, 9, true, "hdfbjigce*"},
        {{5, 5, 5, 1, 5, 5, 0, 5, 5, 5}, 5, true, "gd*bcefhij"},
        {{INT32_MAX, -5, 0, INT32_MIN, 7, -5, 1, 2, 3, 4}, INT32_MAX, true, "dbfcghije*"},
    };
    for (const auto& [before, score, qualifies, names] : cases) {
        gyrock::HallOfFame t{before, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}};
        EXPECT_EQ(gyrock::qualifies(t, score), qualifies) << names;
        gyrock::enterName(t, score, "*");
        for (int k = 0; k < 10; ++k) {
            const char name = t.hofname[k].at(0);
            EXPECT_EQ(name, names[k]) << names << ' ' << k;
            EXPECT_EQ(t.hofscore[k], name == '*' ? score : before[name - 'a']) << names << ' ' << k;
        }
    }
}
