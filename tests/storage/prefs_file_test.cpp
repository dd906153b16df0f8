// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/data_files.h"
#include "storage/prefs_format.h"
#include "tests/support/temp_folder.h"

using gyrock::Prefs;

// Each line holding 0, 1 or 2 (greyed, kept as it is) is taken; any other
// line, or a missing one, gives its design value and marks the file damaged,
// which is kept before it is replaced. The separators are the scores file's.
TEST(PrefsFile, EachValidLineIsTakenAndAnyOtherGivesItsDesignValue) {
    const std::tuple<std::string, Prefs, bool> cases[] = {
        // text, values, damaged
        {"0\r\n1\r\n1\r\n0\r\n", {0, 1, 1, 0}, false},
        {"2\r\n0\r\n1\r\n2\r\n", {2, 0, 1, 2}, false},
        {"1\n2\n0\n1", {1, 2, 0, 1}, false},
        {"0\r\n1\r\n", {0, 1, 0, 1}, true},
        {"0\r\n3\r\n1\r\n0\r\n", {0, 0, 1, 0}, true},
        {"0\r\nyes\r\n1\r\n-1\r\n", {0, 0, 1, 1}, true},
        {"\"0\"\r\n1\r\n1\r\n0\r\n", {1, 1, 1, 0}, true},
        {"0\r\n1\r\n1\r\n0\r\nextra", {0, 1, 1, 0}, true},
        {"", {1, 0, 0, 1}, true},
    };
    for (const auto& [text, values, damaged] : cases) {
        TempFolder dir;
        dir.write("prefs.txt", text);
        Prefs prefs;
        gyrock::FileState state;
        EXPECT_EQ(gyrock::loadPrefs(dir.path(), prefs, state), !damaged) << text;
        EXPECT_EQ(prefs, values) << text;
        ASSERT_TRUE(gyrock::savePrefs(dir.path(), prefs, state)) << text;
        EXPECT_EQ(dir.read("prefs.txt.bak"), damaged ? text : "") << text;
    }
}
