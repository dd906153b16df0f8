// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "storage/data_files.h"
#include "storage/safe_file.h"
#include "storage/scores_format.h"
#include "tests/support/temp_folder.h"

using gyrock::FileState;
using gyrock::HallOfFame;

namespace {

std::string times(std::string_view piece, std::size_t n) {
    std::string out;
    while (n--) out += piece;
    return out;
}

HallOfFame sample() {
    HallOfFame t;
    for (int k = 0; k < 10; ++k)
        t.hofscore[k] = 100 * k, t.hofname[k] = "Player " + std::to_string(k);
    return t;
}

// The sample table as every version writes it, or with other separators.
std::string sampleFile(std::string_view afterScore = "\r\n", std::string_view afterName = "\r\n") {
    std::string out;
    for (int k = 0; k < 10; ++k) {
        out += std::to_string(100 * k) += afterScore;
        (out += "\"Player " + std::to_string(k) + "\"") += afterName;
    }
    return out;
}

std::string sampleWith(std::string_view from, std::string_view to) {
    std::string text = sampleFile();
    return text.replace(text.find(from), from.size(), to);
}

HallOfFame load(const TempFolder& dir, FileState& state, bool expectedResult) {
    HallOfFame t = sample();
    EXPECT_EQ(gyrock::loadScores(dir.path(), t, state), expectedResult);
    return t;
}

}  // namespace

// A missing file gives zeros. Whatever the name box gives is saved as twenty
// CRLF lines within the read bound and loads back as it was entered.
TEST(ScoresFile, SavedNamesAndScoresLoadBackAsEnteredWithinTheReadBound) {
    const std::pair<std::string, std::string> names[10] = {
        // entered, read back if not the same
        {"", ""},
        {"  spaced  ", ""},
        {"a,\"b\",c", ""},
        {"\"", ""},
        {"日本語 😀", ""},
        {"x\ty", ""},
        {times(",\"x\" ", 12), ""},
        {"two\r\nlines", "two  lines"},
        {"a" + times("€", 600), "a" + times("€", 170)},
        {std::string(100000, '"'), std::string(gyrock::maxNameBytes, '"')},
    };
    TempFolder dir;
    FileState state;
    EXPECT_EQ(load(dir, state, true), HallOfFame{});
    EXPECT_FALSE(state.damaged);
    HallOfFame t, expected;
    for (int k = 0; k < 10; ++k) {
        t.hofscore[k] = expected.hofscore[k] = k == 9 ? INT32_MAX : INT32_MIN + k;
        t.hofname[k] = names[k].first;
        expected.hofname[k] = names[k].second.empty() ? names[k].first : names[k].second;
    }
    ASSERT_TRUE(gyrock::saveScores(dir.path(), t, state));
    EXPECT_LE(std::filesystem::file_size(dir / "scores.txt"), gyrock::maxDataFileRead);
    EXPECT_EQ(dir.entries(), 1) << "no temporary left";
    EXPECT_EQ(load(dir, state, true), expected);
    EXPECT_EQ(gyrock::formatScores(sample()), sampleFile());
}

// A damaged text is marked so that the original is kept before it is replaced.
TEST(ScoresFile, TextsReadAsFarAsTheyAreValid) {
    const std::string whole = sampleFile();
    // The bytes, how many entries have the sample's scores (the rest score 0
    // and have no name), damaged.
    const std::tuple<std::string, int, bool> cases[] = {
        {sampleFile("\n", "\n"), 10, false},
        {whole.substr(0, whole.size() - 2), 10, false},
        {whole.substr(0, whole.size() - 1), 10, false},  // cut between CR and LF
        {sampleFile(",", ","), 10, false},
        {whole + "\r\n \r\n", 10, false},
        {"\xEF\xBB\xBF" + whole, 10, false},
        {sampleWith("300\r\n", " +300 \r\n"), 10, false},
        {"", 0, true},
        {whole.substr(0, whole.find("400")), 4, true},
        {whole.substr(0, whole.find("Player 3") + 3), 4, true},
        {sampleWith("500\r\n", "2147483648\r\n"), 5, true},
        {sampleWith("500\r\n", "99999999999999999999999\r\n"), 5, true},
        {sampleWith("300\r\n", "300 points\r\n"), 3, true},
        {sampleWith("300\r\n", "\"300\"\r\n"), 3, true},
        {sampleWith("\"Player 2\"", "Player 2"), 10, true},
        {sampleWith("\"Player 7\"", "\"Player 7"), 10, true},
        {sampleWith("\"Player 8\"", "\"Play\"er 8\""), 10, true},
        {sampleWith("\"Player 4\"", "\"Player 4\" x"), 10, true},
        {whole.substr(0, whole.size() - 2) + "x", 10, true},
        {sampleWith("Player 5", std::string(600, 'x')), 10, true},  // too long to keep whole
        {whole + "12\r\n\"extra\"\r\n", 10, true},
        {sampleWith("600\r\n", std::string("6\0\0\r\n", 5)), 6, true},
        {std::string(400, '\0'), 0, true},
        {std::string("\xFF\xFE\x00\x01garbage\r\n\"", 14), 0, true},
    };
    for (const auto& [bytes, valid, damaged] : cases) {
        const auto parsed = gyrock::parseScores(bytes);
        EXPECT_EQ(parsed.damaged, damaged) << bytes;
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(parsed.table.hofscore[k], k < valid ? 100 * k : 0) << bytes;
            EXPECT_TRUE(k < valid || parsed.table.hofname[k].empty()) << bytes;
        }
    }
}

// A broken line keeps the text between its quotes; an 8-bit file is read as
// Windows-1252; a file cut inside a character, or just after one, is still
// read as UTF-8 without its last character.
TEST(ScoresFile, BrokenEightBitAndCutNamesKeepTheirText) {
    const std::string zoe = sampleWith("Player 8", "Zoë");
    const std::string cut = zoe.substr(0, zoe.find("Player 9"));
    const std::tuple<std::string, bool, int, std::string> cases[] = {
        // bytes, cut, index, name
        {sampleWith("\"Player 2\"", "Player 2"), false, 2, "Player 2"},
        {sampleWith("\"Player 7\"", "\"Player 7"), false, 7, "Player 7"},
        {"0\n\"Player 0\n", false, 0, "Player 0"},
        {sampleWith("\"Player 8\"", "\"Play\"er 8\"  "), false, 8, "Play\"er 8"},
        {sampleWith("Player 6", "Zo\xEB \x80\x99"), false, 6, "Zoë €™"},
        {cut + "\xC3", true, 8, "Zoë"},
        {cut + "\xF0\x9F\x98", true, 8, "Zoë"},
        {cut + "\xF0\x9F\x98\x80", true, 9, ""},
        {cut + "\xE2\x82\xAC", true, 9, ""},
    };
    for (const auto& [bytes, truncated, k, name] : cases) {
        EXPECT_EQ(gyrock::parseScores(bytes, truncated).table.hofname[k], name) << bytes;
    }
}

// A huge damaged file is read from its start and kept whole in the first
// free backup name, once; no backup is replaced, and with none free the
// damaged file is left alone.
TEST(ScoresFile, DamagedFileIsKeptOnceUnderAFreeBackupName) {
    TempFolder dir;
    for (int n = 1; n <= 998; ++n)
        dir.write("scores.txt.bak" + (n > 1 ? std::to_string(n) : ""), "b");
    const std::string huge = sampleFile() + std::string(4 * gyrock::maxDataFileRead, 'x');
    dir.write("scores.txt", huge);
    FileState state;
    HallOfFame t = load(dir, state, false);
    EXPECT_EQ(t, sample());
    ASSERT_TRUE(gyrock::saveScores(dir.path(), t, state));
    ASSERT_TRUE(gyrock::saveScores(dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt.bak999"), huge);
    EXPECT_EQ(dir.read("scores.txt.bak998") + dir.read("scores.txt.bak"), "bb");
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
    dir.write("scores.txt", "junk");
    t = load(dir, state, false);
    EXPECT_FALSE(gyrock::saveScores(dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt"), "junk");
}

// A folder where the file should be gives zeros and a save that fails,
// leaving nothing behind; so does a save into a missing folder.
TEST(ScoresFile, FolderInPlaceOfTheFileGivesZerosAndAFailedSave) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "scores.txt");
    FileState state;
    HallOfFame t = load(dir, state, false);
    EXPECT_EQ(t, HallOfFame{});
    EXPECT_FALSE(gyrock::saveScores(dir.path(), t, state));
    EXPECT_TRUE(gyrock::keepBackup(dir / "scores.txt").empty()) << "a folder is not copied";
    EXPECT_EQ(dir.entries(), 1) << "no temporary or backup left";
    EXPECT_FALSE(gyrock::saveScores(dir / "gone", t, state)) << "a missing folder";
}

// As the player: a folder they cannot write, where the save fails; their own
// file they cannot read, and a damaged one of another account they cannot
// link, each kept as a backup before it is replaced.
TEST(ScoresFile, FilesThePlayerCannotWriteReadOrLinkAreNeverLost) {
    for (const int situation : {0, 1, 2}) {
        TempFolder dir;
        const std::string original =
            situation < 2 ? sampleFile() : "junk" + std::string(40000, 'x');
        dir.write("scores.txt", original);
        if (situation > 0) giveToPlayer(dir.path());
        if (situation == 1) giveToPlayer(dir / "scores.txt");
        ::chmod(dir.path().c_str(), situation == 0 ? 0555 : 0700);
        ::chmod((dir / "scores.txt").c_str(), situation == 1 ? 0 : 0644);
        inChild(
            [&] {
                FileState state;
                HallOfFame t = load(dir, state, situation == 0);
                EXPECT_EQ(gyrock::saveScores(dir.path(), t, state), situation > 0) << situation;
            },
            true);
        ::chmod((dir / "scores.txt.bak").c_str(), 0644);  // for a test not run as root
        EXPECT_EQ(dir.read("scores.txt.bak"), situation > 0 ? original : "") << situation;
        const std::string saved = gyrock::formatScores(HallOfFame{});
        EXPECT_EQ(dir.read("scores.txt"), situation > 0 ? saved : original) << situation;
    }
}
