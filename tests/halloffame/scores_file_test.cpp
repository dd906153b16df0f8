#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "halloffame/data_files.h"
#include "halloffame/safe_file.h"
#include "halloffame/scores_format.h"
#include "temp_folder.h"

using gyrock::FileState;
using gyrock::HallOfFame;

namespace {

HallOfFame sample() {
    HallOfFame t;
    for (int k = 0; k < 10; ++k) {
        t.hofscore[k] = 100 * k;
        t.hofname[k] = "Player " + std::to_string(k);
    }
    return t;
}

// The sample table as every version writes it, or with other separators.
std::string sampleFile(std::string_view afterScore = "\r\n", std::string_view afterName = "\r\n") {
    std::string out;
    for (int k = 0; k < 10; ++k) {
        out += std::to_string(100 * k) + std::string(afterScore) + "\"Player " + std::to_string(k) + "\"";
        out += afterName;
    }
    return out;
}

std::string sampleWith(std::string_view from, std::string_view to) {
    std::string text = sampleFile();
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string times(std::string_view piece, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += piece;
    return out;
}

HallOfFame load(const TempFolder& dir, FileState& state, bool expectedResult) {
    HallOfFame t = sample();
    EXPECT_EQ(gyrock::scoresFile("load", dir.path(), t, state), expectedResult);
    return t;
}

}  // namespace

TEST(ScoresFile, SaveWritesTwentyCrLfLinesAndLoadsBackByteExact) {
    TempFolder dir;
    HallOfFame t = sample();
    FileState state;
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
    EXPECT_EQ(load(dir, state, true), sample());
    EXPECT_FALSE(state.damaged);
    EXPECT_EQ(gyrock::formatScores(HallOfFame{}), times("0\r\n\"\"\r\n", 10));
}

TEST(ScoresFile, MissingFileStartsWithZeroScoresAndEmptyNames) {
    TempFolder dir;
    FileState state;
    EXPECT_EQ(load(dir, state, true), HallOfFame{});
    EXPECT_FALSE(state.damaged);
}

// Every text reads as far as it is valid; a damaged one is marked so that
// the original is kept before it is replaced.
TEST(ScoresFile, TextsReadAsFarAsTheyAreValid) {
    const struct {
        const char* what;
        std::string bytes;
        int validEntries;  // the sample's scores; the rest score 0, unnamed
        bool damaged;
    } cases[] = {
        {"LF", sampleFile("\n", "\n"), 10, false},
        {"no line end at the end", sampleFile().substr(0, sampleFile().size() - 2), 10, false},
        {"cut between CR and LF", sampleFile().substr(0, sampleFile().size() - 1), 10, false},
        {"commas", sampleFile(",", "\r\n"), 10, false},
        {"blank lines after", sampleFile() + "\r\n \r\n", 10, false},
        {"byte order mark", "\xEF\xBB\xBF" + sampleFile(), 10, false},
        {"blanks and a plus sign", sampleWith("300\r\n", " +300 \r\n"), 10, false},
        {"empty", "", 0, true},
        {"short", sampleFile().substr(0, sampleFile().find("400")), 4, true},
        {"cut inside a name", sampleFile().substr(0, sampleFile().find("Player 3") + 3), 4, true},
        {"score past 32 bits", sampleWith("500\r\n", "2147483648\r\n"), 5, true},
        {"score far past 32 bits", sampleWith("500\r\n", "4294967796\r\n"), 5, true},
        {"stray text in a score", sampleWith("300\r\n", "300 points\r\n"), 3, true},
        {"quoted score", sampleWith("300\r\n", "\"300\"\r\n"), 3, true},
        {"name without quotes", sampleWith("\"Player 2\"", "Player 2"), 10, true},
        {"name missing its closing quote", sampleWith("\"Player 7\"", "\"Player 7"), 10, true},
        {"unescaped inner quote", sampleWith("\"Player 8\"", "\"Play\"er 8\""), 10, true},
        {"text after a name", sampleWith("\"Player 4\"", "\"Player 4\" x"), 10, true},
        {"text after the last name", sampleFile().substr(0, sampleFile().size() - 2) + "x", 10, true},
        {"name too long to keep", sampleWith("Player 5", std::string(600, 'x')), 10, true},
        {"an eleventh entry", sampleFile() + "12\r\n\"extra\"\r\n", 10, true},
        {"NUL bytes", sampleWith("600\r\n", std::string("6\0\0\r\n", 5)), 6, true},
        {"zero-filled", std::string(400, '\0'), 0, true},
        {"binary junk", std::string("\xFF\xFE\x00\x01garbage\r\n\"", 14), 0, true},
    };
    for (const auto& c : cases) {
        const auto parsed = gyrock::parseScores(c.bytes);
        EXPECT_EQ(parsed.damaged, c.damaged) << c.what;
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(parsed.table.hofscore[k], k < c.validEntries ? 100 * k : 0) << c.what << ' ' << k;
            EXPECT_TRUE(k < c.validEntries || parsed.table.hofname[k].empty()) << c.what << ' ' << k;
        }
    }
}

TEST(ScoresFile, BrokenAndEightBitNamesKeepTheirText) {
    const struct {
        std::string bytes;
        int index;
        const char* name;
    } cases[] = {
        {sampleWith("\"Player 2\"", "Player 2"), 2, "Player 2"},
        {sampleWith("\"Player 7\"", "\"Player 7"), 7, "Player 7"},
        {sampleWith("\"Player 8\"", "\"Play\"er 8\"  "), 8, "Play\"er 8"},
        {sampleWith("Player 6", "Zo\xEB \x80\x99"), 6, "Zoë €™"},
    };
    for (const auto& c : cases) EXPECT_EQ(gyrock::parseScores(c.bytes).table.hofname[c.index], c.name);
}

// A cut inside a character, or just after a four-byte one, leaves a file
// that is still read as UTF-8.
TEST(ScoresFile, CutFileIsStillReadAsUtf8) {
    for (const std::string end : {"\xC3", "\xF0\x9F\x98", "\xF0\x9F\x98\x80", "\xE2\x82\xAC"}) {
        const std::string text = sampleWith("Player 8", "Zoë");
        const auto parsed = gyrock::parseScores(text.substr(0, text.find("Player 9")) + end, true);
        EXPECT_TRUE(parsed.damaged);
        EXPECT_EQ(parsed.table.hofname[8], "Zoë") << end.size();
    }
}

// Whatever the name box or an old file gives, what is written reads back
// whole and fits the read bound.
TEST(ScoresFile, NamesReadBackAsTheyWereEnteredWithinTheFileBound) {
    const std::string euros = times("\xE2\x82\xAC", 600);
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"Smith, J", ""}, {"  spaced  ", ""}, {"say \"hi\"", ""}, {"\"", ""}, {"\"\"", ""},
        {"a,\"b\",c", ""}, {"Zoë", ""}, {"日本語", ""}, {"x\ty", ""},
        {times("\"", 64), ""}, {times("\xE2\x82\xAC", 64), ""}, {times("\xF0\x9F\x98\x80", 32), ""},
        {times(",\"x\" ", 12), ""},
        {"two\r\nlines", "two  lines"},
        {"a" + euros, "a" + times("\xE2\x82\xAC", 170)},
        {std::string(100000, '"'), std::string(gyrock::maxNameBytes, '"')},
    };
    for (const auto& [name, expected] : cases) {
        TempFolder dir;
        HallOfFame t;
        for (int k = 0; k < 10; ++k) {
            t.hofscore[k] = k == 9 ? INT32_MAX : INT32_MIN + k;
            t.hofname[k] = name;
        }
        FileState state;
        ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
        EXPECT_LE(std::filesystem::file_size(dir / "scores.txt"), gyrock::maxDataFileRead);
        const HallOfFame back = load(dir, state, true);
        EXPECT_FALSE(state.damaged);
        EXPECT_EQ(back.hofscore, t.hofscore);
        for (const auto& n : back.hofname) EXPECT_EQ(n, expected.empty() ? name : expected) << name;
    }
}

TEST(ScoresFile, DamagedFileIsKeptOnceAndNoBackupIsEverReplaced) {
    TempFolder dir;
    const std::string junk = "junk" + std::string(40000, 'x');
    dir.write("scores.txt", junk);
    dir.write("scores.txt.bak", "first");
    dir.write("scores.txt.bak2", "second");
    FileState state;
    HallOfFame t = load(dir, state, false);
    EXPECT_TRUE(state.damaged);
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt.bak"), "first");
    EXPECT_EQ(dir.read("scores.txt.bak2"), "second");
    EXPECT_EQ(dir.read("scores.txt.bak3"), junk);
    EXPECT_EQ(state.backup, dir / "scores.txt.bak3");
    EXPECT_FALSE(dir.exists("scores.txt.bak4"));
    EXPECT_EQ(dir.read("scores.txt"), gyrock::formatScores(HallOfFame{}));
}

TEST(ScoresFile, TheLastBackupNameIsUsedAndThenTheDamagedFileIsLeftAlone) {
    TempFolder dir;
    dir.write("scores.txt.bak", "b");
    for (int n = 2; n <= 998; ++n) dir.write("scores.txt.bak" + std::to_string(n), "b");
    for (const bool room : {true, false}) {
        dir.write("scores.txt", "junk");
        FileState state;
        HallOfFame t = load(dir, state, false);
        EXPECT_EQ(gyrock::scoresFile("save", dir.path(), t, state), room);
        EXPECT_EQ(dir.read("scores.txt"), room ? gyrock::formatScores(t) : "junk");
    }
    EXPECT_EQ(dir.read("scores.txt.bak999"), "junk");
}

TEST(ScoresFile, HugeFileIsReadFromItsStartOnlyAndKeptWhole) {
    TempFolder dir;
    const std::string huge = sampleFile() + std::string(4 * gyrock::maxDataFileRead, 'x');
    dir.write("scores.txt", huge);
    FileState state;
    HallOfFame t = load(dir, state, false);
    EXPECT_EQ(t, sample());
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt.bak"), huge);
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
}

TEST(ScoresFile, FolderInPlaceOfTheFileGivesDefaultsAndAFailedSave) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "scores.txt");
    dir.write("scores.txt/keep", "player's");
    FileState state;
    HallOfFame t = load(dir, state, false);
    EXPECT_EQ(t, HallOfFame{});
    EXPECT_TRUE(state.damaged);
    EXPECT_FALSE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt/keep"), "player's");
    EXPECT_EQ(dir.entries(), 1) << "no temporary left";
    EXPECT_FALSE(gyrock::scoresFile("save", dir / "gone", t, state)) << "a missing folder";
}

TEST(ScoresFile, UnwritableFolderReportsFailureAndKeepsTheOldFile) {
    TempFolder dir;
    dir.write("scores.txt", sampleFile());
    ::chmod(dir.path().c_str(), 0555);
    inChild([&] {
        HallOfFame t;
        FileState state;
        EXPECT_FALSE(gyrock::scoresFile("save", dir.path(), t, state));
    }, true);
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
}

// The player's own file they cannot read, and a damaged one of another
// account they cannot link: each is kept as a backup before it is replaced.
TEST(ScoresFile, FilesThePlayerCannotReadOrLinkAreKeptBeforeBeingReplaced) {
    for (const bool own : {true, false}) {
        TempFolder dir;
        const std::string original = own ? sampleFile() : "junk" + std::string(40000, 'x');
        dir.write("scores.txt", original);
        giveToPlayer(dir.path());
        if (own) giveToPlayer(dir / "scores.txt");
        ::chmod((dir / "scores.txt").c_str(), own ? 0 : 0644);
        inChild([&] {
            FileState state;
            HallOfFame t = load(dir, state, false);
            EXPECT_TRUE(state.damaged);
            EXPECT_TRUE(gyrock::scoresFile("save", dir.path(), t, state)) << own;
        }, true);
        EXPECT_EQ(dir.read("scores.txt.bak"), original) << own;
        EXPECT_EQ(dir.read("scores.txt"), gyrock::formatScores(HallOfFame{})) << own;
    }
}
