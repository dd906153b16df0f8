// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <algorithm>
#include <numeric>

#include <gtest/gtest.h>

#include "halloffame/table.h"

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

// Names travel with their scores, equal scores keep their order.
TEST(HallOfFameSort, SortsAscendingAndKeepsEqualScoresInOrder) {
    const std::pair<Scores, std::string> cases[] = {  // the names afterwards, index 0 first
        {{9, 3, 7, 1, 8, 2, 6, 0, 5, 4}, "hdfbjigcea"},
        {{5, 5, 5, 1, 5, 5, 0, 5, 5, 5}, "gdabcefhij"},
        {{INT32_MAX, -5, 0, INT32_MIN, 7, -5, 1, 2, 3, 4}, "dbfcghijea"},
        {{1000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "bcdefghija"},
    };
    for (const auto& [scores, names] : cases) {
        gyrock::HallOfFame t = withScores(scores);
        gyrock::sortHallOfFame(t.hofname, t.hofscore);
        EXPECT_EQ(std::accumulate(t.hofname.begin(), t.hofname.end(), std::string()), names);
        EXPECT_TRUE(std::is_sorted(t.hofscore.begin(), t.hofscore.end())) << names;
    }
}

// The new entry replaces index 0, the lowest of an ordered table, and moves
// up below any equal older one.
TEST(HallOfFameEntry, NewEntryReplacesTheLowestAndTakesItsRank) {
    const std::tuple<Scores, std::int32_t, Scores, int> cases[] = {  // before, score, after, new at
        {tens, 55, {20, 30, 40, 50, 55, 60, 70, 80, 90, 100}, 4},
        {tens, 1000, {20, 30, 40, 50, 60, 70, 80, 90, 100, 1000}, 9},
        {tens, 30, {20, 30, 30, 40, 50, 60, 70, 80, 90, 100}, 1},
        {falling, 60, {50, 60, 100, 200, 300, 400, 500, 600, 700, 800}, 1},
    };
    for (const auto& [before, score, after, newAt] : cases) {
        gyrock::HallOfFame t = withScores(before);
        gyrock::enterName(t, score, " new, \"x\" ");
        EXPECT_EQ(t.hofscore, after) << score;
        EXPECT_EQ(t.hofname[newAt], " new, \"x\" ") << score;
        EXPECT_EQ(std::count(t.hofname.begin(), t.hofname.end(), "a"), 0) << score;
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
