#include <algorithm>
#include <cstdint>

#include <gtest/gtest.h>

#include "halloffame/table.h"

using gyrock::HallOfFame;
using Scores = std::array<std::int32_t, 10>;

namespace {

HallOfFame withScores(const Scores& scores) {
    HallOfFame t;
    t.hofscore = scores;
    for (int k = 0; k < 10; ++k) t.hofname[k] = std::string(1, static_cast<char>('a' + k));
    return t;
}

const Scores tens = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

}  // namespace

// Names travel with their scores, equal scores keep their order.
TEST(HallOfFameSort, SortsAscendingAndKeepsEqualScoresInOrder) {
    const struct {
        Scores scores;
        const char* names;  // afterwards, index 0 first
    } cases[] = {
        {{9, 3, 7, 1, 8, 2, 6, 0, 5, 4}, "hdfbjigcea"},
        {{5, 5, 5, 1, 5, 5, 0, 5, 5, 5}, "gdabcefhij"},
        {{INT32_MAX, -5, 0, INT32_MIN, 7, -5, 1, 2, 3, 4}, "dbfcghijea"},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 1000}, "abcdefghij"},
        {{1000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "bcdefghija"},
    };
    for (const auto& c : cases) {
        HallOfFame t = withScores(c.scores);
        gyrock::sortHallOfFame(t.hofname, t.hofscore);
        std::string names;
        for (const auto& n : t.hofname) names += n;
        EXPECT_EQ(names, c.names);
        EXPECT_TRUE(std::is_sorted(t.hofscore.begin(), t.hofscore.end())) << c.names;
    }
}

// The new entry replaces index 0, the lowest of an ordered table, and moves
// up below any equal older one.
TEST(HallOfFameEntry, NewEntryReplacesTheLowestAndTakesItsRank) {
    const struct {
        Scores before;
        std::int32_t score;
        Scores after;
        int newAt;
    } cases[] = {
        {tens, 55, {20, 30, 40, 50, 55, 60, 70, 80, 90, 100}, 4},
        {tens, 1000, {20, 30, 40, 50, 60, 70, 80, 90, 100, 1000}, 9},
        {tens, 30, {20, 30, 30, 40, 50, 60, 70, 80, 90, 100}, 1},
        {{900, 800, 700, 600, 500, 400, 300, 200, 100, 50}, 60, {50, 60, 100, 200, 300, 400, 500, 600, 700, 800}, 1},
    };
    for (const auto& c : cases) {
        HallOfFame t = withScores(c.before);
        gyrock::enterName(t, c.score, " new, \"x\" ");
        EXPECT_EQ(t.hofscore, c.after) << c.score;
        EXPECT_EQ(t.hofname[c.newAt], " new, \"x\" ") << c.score;
        EXPECT_EQ(std::count(t.hofname.begin(), t.hofname.end(), "a"), 0) << c.score;
    }
}

TEST(HallOfFameQualifies, NeedsSomeEntryStrictlyBelow) {
    const struct {
        Scores scores;
        std::int32_t score;
        bool qualifies;
    } cases[] = {
        {tens, 10, false}, {tens, 11, true}, {{}, 0, false}, {{}, 1, true},
        {{900, 800, 700, 600, 500, 400, 300, 200, 100, 50}, 60, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gyrock::qualifies(withScores(c.scores), c.score), c.qualifies) << c.score;
    }
}
