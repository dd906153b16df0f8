// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/data_files.h"

#include <sys/stat.h>

#include "storage/prefs_format.h"
#include "storage/safe_file.h"
#include "storage/scores_format.h"
#include "tests/support/temp_folder.h"

using gyrock::HallOfFame;

static HallOfFame sample() {
    HallOfFame t;
    for (int k = 0; k < 10; ++k)
        t.hofscore[k] = 100 * k, t.hofname[k] = "Player " + std::to_string(k);
    return t;
}

// The sample table as every version writes it, or with another separator.
static std::string sampleFile(std::string_view separator = "\r\n") {
    std::string out;
    for (int k = 0; k < 10; ++k) {
        out += std::to_string(100 * k) += separator;
        (out += "\"Player " + std::to_string(k) + "\"") += separator;
    }
    return out;
}

static std::string sampleWith(std::string_view from, std::string_view to) {
    std::string text = sampleFile();
    return text.replace(text.find(from), from.size(), to);
}

// Whatever the name box gives is saved as twenty CRLF lines, small enough to
// be read whole, and loads back as it was entered.
TEST(ScoresFile, SavedNamesAndScoresLoadBackAsEnteredWithinTheReadBound) {
    std::string euros;
    for (int n = 0; n < 600; ++n) euros += "€";
    HallOfFame t;
    t.hofname = {"",     "  spaced  ",  "a,\"b\",c",    "\"",        "日本語 😀 \U0010FFFF",
                 "x\ty", "\"\",\"x\" ", "two\r\nlines", "a" + euros, std::string(100000, '"')};
    for (int k = 0; k < 10; ++k) t.hofscore[k] = k == 9 ? INT32_MAX : INT32_MIN + k;
    HallOfFame expected = t;
    expected.hofname[7] = "two  lines";                // a line break cannot be kept
    expected.hofname[8] = "a" + euros.substr(0, 510);  // cut at a character, not inside one
    expected.hofname[9] = std::string(gyrock::maxNameBytes, '"');
    TempFolder dir;
    gyrock::FileState state;
    ASSERT_TRUE(gyrock::saveScores(dir.path(), t, state));
    HallOfFame back;
    EXPECT_TRUE(gyrock::loadScores(dir.path(), back, state));
    EXPECT_EQ(back, expected);
}

// The text is read as far as it is valid: the entries after that score 0 and
// have no name. A text that is not what we write is damaged, so that the
// original is kept before it is replaced. A broken line keeps the text
// between its quotes; an 8-bit file is read as Windows-1252; a file cut
// inside a character, or just after one, is still read as UTF-8 without its
// last character.
TEST(ScoresFile, TextsReadAsFarAsTheyAreValid) {
    const std::string whole = sampleFile();
    const struct {
        std::string bytes;
        int valid;  // entries read, from index 0, with the sample's values
        bool damaged;
        std::string name{};      // if any, the last entry's name instead of the sample's
        bool truncated = false;  // the text is only the file's start
    } cases[] = {
        {sampleFile("\n"), 10, false},
        {whole.substr(0, whole.size() - 2), 10, false},
        {whole.substr(0, whole.size() - 1), 10, false},  // cut between CR and LF
        {sampleFile(","), 10, false},
        {whole + "\r\n \r\n", 10, false},
        {"\xEF\xBB\xBF" + whole, 10, false},
        {sampleWith("300\r\n", " +300 \r\n"), 10, false},
        // What is not UTF-8 is read as Windows-1252, so no old name is lost.
        {sampleWith("Player 9", "Zo\xEB \x80\x81\x99\x9F"), 10, false, "Zoë €\u0081™Ÿ"},
        {sampleWith("Player 9", "\xC0\x80"), 10, false, "À€"},                 // overlong
        {sampleWith("Player 9", "\xE0\x80\x80"), 10, false, "à€€"},            // overlong
        {sampleWith("Player 9", "\xED\xA0\x80"), 10, false, "í\u00A0€"},       // a surrogate
        {sampleWith("Player 9", "\xED\xBF\xBF"), 10, false, "í¿¿"},            // a surrogate
        {sampleWith("Player 9", "\xF4\x90\x80\x80"), 10, false, "ô\u0090€€"},  // past Unicode
        {sampleWith("Player 9", "a\xC3"), 10, false, "aÃ"},  // cut inside a letter
        // The smallest letter of each length, and those next to the surrogates and at the end
        // of Unicode, are UTF-8.
        {sampleWith("Player 9",
                    "\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF"),
         10, false, "\u0080\u0800\U00010000\uD7FF\uE000\U0010FFFF"},
        {"", 0, true},
        {whole.substr(0, whole.find("Player 3") + 3), 4, true, "Pla"},
        {sampleWith("500\r\n", "2147483648\r\n"), 5, true},
        {sampleWith("500\r\n", "99999999999999999999999\r\n"), 5, true},
        {sampleWith("300\r\n", "\"300\"\r\n"), 3, true},
        {sampleWith("\"Player 2\"", "Player 2"), 10, true},
        {sampleWith("\"Player 7\"", "\"Player 7"), 10, true},
        {sampleWith("\"Player 9\"", "\"Play\"er 9\"  "), 10, true, "Play\"er 9"},
        {sampleWith("Player 9", std::string(600, 'x')), 10, true, std::string(512, 'x')},
        {whole + "12\r\n\"extra\"\r\n", 10, true},
        {sampleWith("600\r\n", std::string("6\0\0\r\n", 5)), 6, true},
        {whole.substr(0, whole.find("Player 9")) + "Zoë\xF0\x9F\x98", 10, true, "Zoë", true},
        {whole.substr(0, whole.find("Player 9")) + "Zoë\xF0\x9F\x98\x80", 10, true, "Zoë", true},
    };
    for (const auto& c : cases) {
        HallOfFame expected = sample();
        for (int k = c.valid; k < 10; ++k) expected.hofscore[k] = 0, expected.hofname[k] = "";
        if (!c.name.empty()) expected.hofname[c.valid - 1] = c.name;
        const auto parsed = gyrock::parseScores(c.bytes, c.truncated);
        EXPECT_EQ(parsed.damaged, c.damaged) << c.bytes;
        EXPECT_EQ(parsed.table, expected) << c.bytes;
    }
    // The byte after the text is not the text's: nothing past its end is read.
    EXPECT_EQ(gyrock::parseScores(std::string_view("0\r\n\"a\xC3\xA9", 6)).table.hofname[0], "aÃ");
}

// Each line holding 0, 1 or 2 (greyed, kept as it is) is taken; any other
// line, or a missing one, gives its design value and marks the file damaged,
// which is kept before it is replaced. The separators are the scores file's.
TEST(PrefsFile, EachValidLineIsTakenAndAnyOtherGivesItsDesignValue) {
    const std::tuple<std::string, gyrock::Prefs, bool> cases[] = {
        // text, values, damaged
        {"0\r\n1\r\n1\r\n0\r\n", {0, 1, 1, 0}, false},
        {"1\n2\n0\n1", {1, 2, 0, 1}, false},
        {"0\r\n1\r\n", {0, 1, 0, 1}, true},
        {"0\r\n3\r\n1\r\n0\r\n", {0, 0, 1, 0}, true},
        {"0\r\nyes\r\n1\r\n-1\r\n", {0, 0, 1, 1}, true},
        {"\"0\"\r\n1\r\n1\r\n0\r\n", {1, 1, 1, 0}, true},
        {"0\r\n1\r\n1\r\n0\r\nextra", {0, 1, 1, 0}, true},
        {"", {1, 0, 0, 1}, true},
    };
    // The quote after the text is not the text's: nothing past its end is read.
    EXPECT_EQ(gyrock::parsePrefs(std::string_view("1\r\n \"", 4)).prefs, gyrock::Prefs{});
    for (const auto& [text, values, damaged] : cases) {
        TempFolder dir;
        dir.write("prefs.txt", text);
        gyrock::Prefs prefs;
        gyrock::FileState state;
        EXPECT_EQ(gyrock::loadPrefs(dir.path(), prefs, state), !damaged) << text;
        EXPECT_EQ(prefs, values) << text;
        ASSERT_TRUE(gyrock::savePrefs(dir.path(), prefs, state)) << text;
        EXPECT_EQ(dir.read("prefs.txt.bak"), damaged ? text : "") << text;
    }
}

// Folders and files the player cannot use: a folder they cannot write, where
// the save fails; their own file they cannot read, and a damaged one of
// another account they cannot link, each kept in a backup before it is
// replaced; a folder in place of the file, which gives zeros and a save that
// fails. A huge damaged file is read from its start and kept whole in the
// first free backup name, once; no backup is replaced, and with none free
// the damaged file is left alone. Nothing else is left behind.
TEST(ScoresFile, FilesThePlayerCannotUseAreNeverLost) {
    const std::string huge = sampleFile() + std::string(4 * gyrock::maxDataFileRead, 'x');
    const auto bak = [](int n) { return "scores.txt.bak" + (n > 1 ? std::to_string(n) : ""); };
    const struct {
        const char* what;
        std::string original;               // "": a folder
        int backups, folderMode, fileMode;  // backups kept before
        HallOfFame table;                   // as loaded
        bool playersFile, loaded, saved;
    } cases[] = {
        {"read-only folder", sampleFile(), 0, 0555, 0644, sample(), false, true, false},
        {"unreadable file", sampleFile(), 0, 0700, 0000, {}, true, false, true},
        {"another's file", huge, 0, 0700, 0644, sample(), false, false, true},
        {"folder", "", 0, 0700, 0755, {}, false, false, false},
        {"huge file, 998 backups", huge, 998, 0700, 0644, sample(), true, false, true},
        {"no free backup", huge, 999, 0700, 0644, sample(), true, false, false},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        for (int n = 1; n <= c.backups; ++n) dir.write(bak(n), "b");
        if (c.original.empty()) std::filesystem::create_directory(dir / "scores.txt");
        dir.write("scores.txt", c.original);  // does nothing to a folder
        giveToPlayer(dir.path());
        if (c.playersFile) giveToPlayer(dir / "scores.txt");
        ::chmod(dir.path().c_str(), c.folderMode);
        ::chmod((dir / "scores.txt").c_str(), c.fileMode);
        inChild(
            [&] {
                ::close(0);  // as when started without an input: a file may get descriptor 0
                gyrock::FileState state;
                HallOfFame t = sample();
                EXPECT_EQ(gyrock::loadScores(dir.path(), t, state), c.loaded) << c.what;
                EXPECT_EQ(t, c.table) << c.what;
                for (int save = 0; save < 2; ++save)
                    EXPECT_EQ(gyrock::saveScores(dir.path(), sample(), state), c.saved) << c.what;
            },
            true);
        ::chmod((dir / bak(c.backups + 1)).c_str(), 0644);  // for a test not run as root
        EXPECT_EQ(dir.read(bak(c.backups + 1)), c.saved ? c.original : "") << c.what;
        const std::string after = c.original.empty() ? "" : dir.read("scores.txt");  // not a folder
        EXPECT_EQ(after, c.saved ? sampleFile() : c.original) << c.what;
        EXPECT_EQ(dir.entries(), c.backups + (c.saved ? 2 : 1)) << c.what;
    }
}
