// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "halloffame/table.h"

#include <gtest/gtest.h>

using Scores = std::array<std::int32_t, 10>;

namespace {

// Named a to j from index 0 up.
gyrock::HallOfFame withScores(const Scores& scores) {
    gyrock::HallOfFame t;
    t.hofscore = scores;
    for (int k = 0; k < 10; ++k) t.hofname[k] = std::string(1, static_cast<char>('a' + k));
    return t;
}

const Scores tens = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
const Scores falling = {900, 800, 700, 600, 500, 400, 300, 200, 100, 50};

}  // namespace

// The new entry, *, replaces index 0 and the table is sorted ascending: names
// travel with their scores, equal scores keep their order, so the new entry
// ends below any equal older one. A loaded table need not be in order.
TEST(HallOfFameEntry, NewEntryReplacesIndexZeroThenTheTableIsSorted) {
    const std::tuple<Scores, std::int32_t, std::string> cases[] = {
        // before, score, names after
        {tens, 55, "bcde*fghij"},
        {tens, 1000, "bcdefghij*"},
        {tens, 30, "b*cdefghij"},
        {falling, 60, "j*ihgfedcb"},
        {{9, 3, 7, 1, 8, 2, 6, 0, 5, 4}, 9, "hdfbjigce*"},
        {{5, 5, 5, 1, 5, 5, 0, 5, 5, 5}, 5, "gd*bcefhij"},
        {{INT32_MAX, -5, 0, INT32_MIN, 7, -5, 1, 2, 3, 4}, INT32_MAX, "dbfcghije*"},
    };
    for (const auto& [before, score, names] : cases) {
        gyrock::HallOfFame t = withScores(before);
        gyrock::enterName(t, score, "*");
        for (int k = 0; k < 10; ++k) {
            const char name = t.hofname[k].at(0);
            EXPECT_EQ(name, names[k]) << names << ' ' << k;
            EXPECT_EQ(t.hofscore[k], name == '*' ? score : before[name - 'a']) << names << ' ' << k;
        }
    }
}

TEST(HallOfFameQualifies, NeedsSomeEntryStrictlyBelow) {
    const std::tuple<Scores, std::int32_t, bool> cases[] = {
        {tens, 10, false}, {tens, 11, true}, {{}, 0, false}, {{}, 1, true}, {falling, 60, true},
    };
    for (const auto& [scores, score, qualifies] : cases) {
        EXPECT_EQ(gyrock::qualifies(withScores(scores), score), qualifies) << score;
    }
}
