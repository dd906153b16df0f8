// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include "storage/data_files.h"
#include "storage/prefs_format.h"
#include "tests/support/temp_folder.h"

using gyrock::FileState;
using gyrock::Prefs;

// Each line holding 0, 1 or 2 (greyed, kept as it is) is taken; any other
// line, or a missing one, gives its design value and marks the file damaged.
TEST(PrefsFile, EachValidLineIsTakenAndAnyOtherGivesItsDesignValue) {
    const std::tuple<std::string, Prefs, bool> cases[] = {
        // text, values, damaged
        {"0\r\n1\r\n1\r\n0\r\n", {0, 1, 1, 0}, false},
        {"0\n1\n1\n0\n", {0, 1, 1, 0}, false},
        {"0,1,1,0\r\n", {0, 1, 1, 0}, false},
        {"0\n1\n1\n0", {0, 1, 1, 0}, false},
        {"2\r\n0\r\n1\r\n2\r\n", {2, 0, 1, 2}, false},
        {"1\r\n2\r\n0\r\n1", {1, 2, 0, 1}, false},
        {"0\r\n1\r\n", {0, 1, 0, 1}, true},
        {"0\r\n3\r\n1\r\n0\r\n", {0, 0, 1, 0}, true},
        {"0\r\nyes\r\n1\r\n-1\r\n", {0, 0, 1, 1}, true},
        {"0\r\n99999999999\r\n1\r\n0", {0, 0, 1, 0}, true},
        {"\"0\"\r\n1\r\n1\r\n0\r\n", {1, 1, 1, 0}, true},
        {"0\r\n1\r\n1\r\n0\r\nextra", {0, 1, 1, 0}, true},
        {"", {1, 0, 0, 1}, true},
        {std::string(64, '\0'), {1, 0, 0, 1}, true},
    };
    for (const auto& [text, values, damaged] : cases) {
        const auto parsed = gyrock::parsePrefs(text);
        EXPECT_EQ(parsed.prefs, values) << text;
        EXPECT_EQ(parsed.damaged, damaged) << text;
    }
}

// A damaged file gives what it holds and is kept before it is replaced.
TEST(PrefsFile, ADamagedFileGivesItsSoundValuesAndIsKeptBeforeItIsReplaced) {
    TempFolder dir;
    Prefs p;
    FileState state;
    dir.write("prefs.txt", "0\r\n7\r\n");
    EXPECT_FALSE(gyrock::loadPrefs(dir.path(), p, state));
    EXPECT_EQ(p, (Prefs{0, 0, 0, 1}));
    p.opt_color = 2;
    ASSERT_TRUE(gyrock::savePrefs(dir.path(), p, state));
    EXPECT_EQ(dir.read("prefs.txt.bak"), "0\r\n7\r\n");
    EXPECT_EQ(dir.read("prefs.txt"), "0\r\n0\r\n2\r\n1\r\n");
}
