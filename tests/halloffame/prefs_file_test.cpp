#include <gtest/gtest.h>

#include "halloffame/data_files.h"
#include "halloffame/prefs_format.h"
#include "temp_folder.h"

using gyrock::FileState;
using gyrock::Prefs;

namespace {

Prefs load(const TempFolder& dir, FileState& state) {
    Prefs p{0, 1, 1, 0};
    gyrock::prefsFile("load", dir.path(), p, state);
    return p;
}

}  // namespace

TEST(PrefsFile, DesignValuesAreWrittenAsFourCrLfLines) {
    TempFolder dir;
    Prefs p;
    FileState state;
    ASSERT_TRUE(gyrock::prefsFile("save", dir.path(), p, state));
    EXPECT_EQ(dir.read("prefs.txt"), "1\r\n0\r\n0\r\n1\r\n");
}

TEST(PrefsFile, ReversedValuesLoadAndSaveUnchanged) {
    TempFolder dir;
    dir.write("prefs.txt", "0\r\n1\r\n1\r\n0\r\n");
    FileState state;
    Prefs p;
    EXPECT_TRUE(gyrock::prefsFile("load", dir.path(), p, state));
    EXPECT_EQ(p.opt_mus, 0);
    EXPECT_EQ(p.opt_aa, 1);
    EXPECT_EQ(p.opt_color, 1);
    EXPECT_EQ(p.opt_remainp, 0);
    ASSERT_TRUE(gyrock::prefsFile("save", dir.path(), p, state));
    EXPECT_EQ(dir.read("prefs.txt"), "0\r\n1\r\n1\r\n0\r\n");
    EXPECT_FALSE(dir.exists("prefs.txt.bak"));
}

TEST(PrefsFile, LfLineEndsAndCommasReadLikeCrLf) {
    for (const char* text : {"0\n1\n1\n0\n", "0,1,1,0\r\n", "0\n1\n1\n0"}) {
        const auto parsed = gyrock::parsePrefs(text);
        EXPECT_EQ(parsed.prefs, (Prefs{0, 1, 1, 0})) << text;
        EXPECT_FALSE(parsed.damaged) << text;
    }
}

TEST(PrefsFile, ModeMustBeExactlyLoadOrSave) {
    TempFolder dir;
    Prefs p{0, 1, 1, 0};
    FileState state;
    EXPECT_FALSE(gyrock::prefsFile("Save", dir.path(), p, state));
    EXPECT_FALSE(gyrock::prefsFile("LOAD", dir.path(), p, state));
    EXPECT_FALSE(dir.exists("prefs.txt"));
    EXPECT_EQ(p, (Prefs{0, 1, 1, 0}));
}

TEST(PrefsFile, MissingFileGivesTheDesignValues) {
    TempFolder dir;
    FileState state;
    EXPECT_EQ(load(dir, state), Prefs{});
    EXPECT_FALSE(state.damaged);
}

TEST(PrefsFile, InvalidLinesTakeTheirDesignValueAndTheRestIsKept) {
    struct Case {
        const char* text;
        Prefs expected;
    };
    const Case cases[] = {
        {"0\r\n1\r\n", {0, 1, 0, 1}},            // short
        {"0\r\n3\r\n1\r\n0\r\n", {0, 0, 1, 0}},
        {"0\r\nyes\r\n1\r\n-1\r\n", {0, 0, 1, 1}},
        {"0\r\n99999999999\r\n1\r\n0\r\n", {0, 0, 1, 0}},
        {"\"0\"\r\n1\r\n1\r\n0\r\n", {1, 1, 1, 0}},
        {"0\r\n1\r\n1\r\n0\r\nextra\r\n", {0, 1, 1, 0}},
        {"", {1, 0, 0, 1}},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        dir.write("prefs.txt", c.text);
        FileState state;
        EXPECT_EQ(load(dir, state), c.expected) << c.text;
        EXPECT_TRUE(state.damaged) << c.text;
        Prefs p = c.expected;
        ASSERT_TRUE(gyrock::prefsFile("save", dir.path(), p, state));
        EXPECT_EQ(dir.read("prefs.txt.bak"), c.text);
    }
}

TEST(PrefsFile, NulBytesAndAFolderInItsPlaceGiveTheDesignValues) {
    TempFolder dir;
    dir.write("prefs.txt", std::string(64, '\0'));
    FileState state;
    EXPECT_EQ(load(dir, state), Prefs{});
    EXPECT_TRUE(state.damaged);

    TempFolder other;
    std::filesystem::create_directory(other / "prefs.txt");
    EXPECT_EQ(load(other, state), Prefs{});
    EXPECT_TRUE(state.damaged);
    Prefs p;
    EXPECT_FALSE(gyrock::prefsFile("save", other.path(), p, state));
    EXPECT_TRUE(std::filesystem::is_directory(other / "prefs.txt"));
}

// 2 is a check box's third, partly checked state: kept as it is.
TEST(PrefsFile, GreyedValueTwoIsTakenAndWrittenBack) {
    const std::pair<const char*, Prefs> cases[] = {
        {"2\r\n2\r\n2\r\n2\r\n", {2, 2, 2, 2}},
        {"2\r\n0\r\n1\r\n2\r\n", {2, 0, 1, 2}},
        {"1\r\n2\r\n0\r\n1\r\n", {1, 2, 0, 1}},
    };
    for (const auto& [text, expected] : cases) {
        TempFolder dir;
        dir.write("prefs.txt", text);
        FileState state;
        EXPECT_EQ(load(dir, state), expected) << text;
        EXPECT_FALSE(state.damaged) << text;
        Prefs p = expected;
        ASSERT_TRUE(gyrock::prefsFile("save", dir.path(), p, state));
        EXPECT_EQ(dir.read("prefs.txt"), text);
        EXPECT_FALSE(dir.exists("prefs.txt.bak"));
    }
}
