#include <gtest/gtest.h>

#include "halloffame/data_files.h"
#include "halloffame/prefs_format.h"
#include "temp_folder.h"

using gyrock::FileState;
using gyrock::Prefs;

// Each line holding 0, 1 or 2 (greyed, kept as it is) is taken; any other
// line, or a missing one, gives its design value and marks the file damaged.
TEST(PrefsFile, EachValidLineIsTakenAndAnyOtherGivesItsDesignValue) {
    const struct {
        std::string text;
        Prefs expected;
        bool damaged;
    } cases[] = {
        {"0\r\n1\r\n1\r\n0\r\n", {0, 1, 1, 0}, false},
        {"0\n1\n1\n0\n", {0, 1, 1, 0}, false},
        {"0,1,1,0\r\n", {0, 1, 1, 0}, false},
        {"0\n1\n1\n0", {0, 1, 1, 0}, false},
        {"2\r\n0\r\n1\r\n2\r\n", {2, 0, 1, 2}, false},
        {"1\r\n2\r\n0\r\n1\r\n", {1, 2, 0, 1}, false},
        {"0\r\n1\r\n", {0, 1, 0, 1}, true},
        {"0\r\n3\r\n1\r\n0\r\n", {0, 0, 1, 0}, true},
        {"0\r\nyes\r\n1\r\n-1\r\n", {0, 0, 1, 1}, true},
        {"0\r\n99999999999\r\n1\r\n0\r\n", {0, 0, 1, 0}, true},
        {"\"0\"\r\n1\r\n1\r\n0\r\n", {1, 1, 1, 0}, true},
        {"0\r\n1\r\n1\r\n0\r\nextra\r\n", {0, 1, 1, 0}, true},
        {"", {1, 0, 0, 1}, true},
        {std::string(64, '\0'), {1, 0, 0, 1}, true},
    };
    for (const auto& c : cases) {
        const auto parsed = gyrock::parsePrefs(c.text);
        EXPECT_EQ(parsed.prefs, c.expected) << c.text;
        EXPECT_EQ(parsed.damaged, c.damaged) << c.text;
    }
}

TEST(PrefsFile, SavedValuesLoadBackAndADamagedFileIsKeptFirst) {
    TempFolder dir;
    Prefs p{2, 0, 1, 0};
    FileState state;
    ASSERT_TRUE(gyrock::prefsFile("save", dir.path(), p, state));
    EXPECT_EQ(dir.read("prefs.txt"), "2\r\n0\r\n1\r\n0\r\n");
    Prefs back;
    EXPECT_TRUE(gyrock::prefsFile("load", dir.path(), back, state));
    EXPECT_EQ(back, p);
    EXPECT_EQ(gyrock::formatPrefs(Prefs{}), "1\r\n0\r\n0\r\n1\r\n");

    dir.write("prefs.txt", "0\r\n7\r\n");
    EXPECT_FALSE(gyrock::prefsFile("load", dir.path(), back, state));
    EXPECT_EQ(back, (Prefs{0, 0, 0, 1}));
    ASSERT_TRUE(gyrock::prefsFile("save", dir.path(), back, state));
    EXPECT_EQ(dir.read("prefs.txt.bak"), "0\r\n7\r\n");
    EXPECT_EQ(dir.read("prefs.txt"), "0\r\n0\r\n0\r\n1\r\n");
}

TEST(PrefsFile, MissingFileOrAFolderInItsPlaceGivesTheDesignValues) {
    TempFolder dir;
    for (const bool folder : {false, true}) {
        if (folder) std::filesystem::create_directory(dir / "prefs.txt");
        Prefs p{0, 1, 1, 0};
        FileState state;
        EXPECT_EQ(gyrock::prefsFile("load", dir.path(), p, state), !folder);
        EXPECT_EQ(p, Prefs{});
        EXPECT_EQ(state.damaged, folder);
    }
    Prefs p;
    FileState state;
    EXPECT_FALSE(gyrock::prefsFile("save", dir.path(), p, state));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "prefs.txt"));
}

TEST(DataFiles, ModeMustBeExactlyLoadOrSave) {
    TempFolder dir;
    for (const char* mode : {"Load", "SAVE", "save ", "", "loads"}) {
        gyrock::HallOfFame t;
        t.hofscore[3] = 7;
        Prefs p{0, 1, 1, 0};
        FileState state;
        EXPECT_FALSE(gyrock::scoresFile(mode, dir.path(), t, state)) << mode;
        EXPECT_FALSE(gyrock::prefsFile(mode, dir.path(), p, state)) << mode;
        EXPECT_EQ(t.hofscore[3], 7);
        EXPECT_EQ(p, (Prefs{0, 1, 1, 0}));
    }
    EXPECT_EQ(dir.entries(), 0);
}
