#include <algorithm>
#include <cstdint>

#include <gtest/gtest.h>

#include "halloffame/table.h"

using gyrock::HallOfFame;

namespace {

HallOfFame tensToHundred() {
    HallOfFame t;
    for (int k = 0; k < 10; ++k) {
        t.hofscore[k] = 10 * (k + 1);
        t.hofname[k] = "p" + std::to_string(10 * (k + 1));
    }
    return t;
}

// What the name entry does: the new entry replaces index 0, then the sort.
void enter(HallOfFame& t, std::int32_t score, const std::string& name) {
    t.hofscore[0] = score;
    t.hofname[0] = name;
    gyrock::sortHallOfFame(t.hofname, t.hofscore);
}

}  // namespace

TEST(HallOfFameSort, NewScoreMovesToItsPlaceAndTheLowestDropsOut) {
    HallOfFame t = tensToHundred();
    enter(t, 55, "new");
    EXPECT_EQ(t.hofscore, (std::array<std::int32_t, 10>{20, 30, 40, 50, 55, 60, 70, 80, 90, 100}));
    EXPECT_EQ(t.hofname[4], "new");  // index 4 is shown as rank 6
    for (const auto& name : t.hofname) EXPECT_NE(name, "p10");
}

TEST(HallOfFameSort, NamesTravelWithTheirScores) {
    HallOfFame t;
    t.hofscore = {9, 3, 7, 1, 8, 2, 6, 0, 5, 4};
    for (int k = 0; k < 10; ++k) t.hofname[k] = "n" + std::to_string(t.hofscore[k]);
    gyrock::sortHallOfFame(t.hofname, t.hofscore);
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(t.hofscore[k], k);
        EXPECT_EQ(t.hofname[k], "n" + std::to_string(k));
    }
}

TEST(HallOfFameSort, EqualNewScoreLandsBelowTheOldOne) {
    HallOfFame t = tensToHundred();
    t.hofscore[0] = 100;
    t.hofscore[1] = 300;
    t.hofname[1] = "old";
    for (int k = 2; k < 10; ++k) t.hofscore[k] = 400 + k;
    enter(t, 300, "new");
    EXPECT_EQ(t.hofscore[0], 300);
    EXPECT_EQ(t.hofname[0], "new");
    EXPECT_EQ(t.hofname[1], "old");
}

TEST(HallOfFameSort, EqualScoresKeepTheirOrder) {
    HallOfFame t;
    t.hofscore = {5, 5, 5, 1, 5, 5, 0, 5, 5, 5};
    for (int k = 0; k < 10; ++k) t.hofname[k] = std::string(1, static_cast<char>('a' + k));
    gyrock::sortHallOfFame(t.hofname, t.hofscore);
    EXPECT_EQ(t.hofname, (std::array<std::string, 10>{"g", "d", "a", "b", "c", "e", "f", "h", "i", "j"}));
}

TEST(HallOfFameSort, ScoreAboveAllEndsAtTheTop) {
    HallOfFame t = tensToHundred();
    enter(t, 1000, "best");
    EXPECT_EQ(t.hofscore[9], 1000);
    EXPECT_EQ(t.hofname[9], "best");
    EXPECT_EQ(t.hofscore[0], 20);
}

TEST(HallOfFameSort, NegativeAndExtremeScoresSortAscending) {
    HallOfFame t;
    t.hofscore = {INT32_MAX, -5, 0, INT32_MIN, 7, -5, 1, 2, 3, 4};
    gyrock::sortHallOfFame(t.hofname, t.hofscore);
    EXPECT_TRUE(std::is_sorted(t.hofscore.begin(), t.hofscore.end()));
    EXPECT_EQ(t.hofscore.front(), INT32_MIN);
    EXPECT_EQ(t.hofscore.back(), INT32_MAX);
}

TEST(HallOfFameQualifies, NeedsAnEntryStrictlyBelow) {
    HallOfFame t = tensToHundred();
    EXPECT_FALSE(gyrock::qualifies(t, 10));  // equal to the lowest
    EXPECT_TRUE(gyrock::qualifies(t, 11));
    EXPECT_FALSE(gyrock::qualifies(HallOfFame{}, 0));
    EXPECT_TRUE(gyrock::qualifies(HallOfFame{}, 1));
}

TEST(HallOfFameQualifies, AnyLowerEntryCountsInAnOutOfOrderTable) {
    HallOfFame t;
    t.hofscore = {900, 800, 700, 600, 500, 400, 300, 200, 100, 50};
    EXPECT_TRUE(gyrock::qualifies(t, 60));
    enter(t, 60, "x");  // replaces the 900 at index 0, then all is ordered
    EXPECT_EQ(t.hofscore, (std::array<std::int32_t, 10>{50, 60, 100, 200, 300, 400, 500, 600, 700, 800}));
}
