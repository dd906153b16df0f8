#include <cctype>
#include <string>

#include <gtest/gtest.h>

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

// Twenty lines the way every version writes an ordinary table.
std::string sampleFile(std::string_view eol = "\r\n") {
    std::string out;
    for (int k = 0; k < 10; ++k) {
        out += std::to_string(100 * k);
        out += eol;
        out += "\"Player " + std::to_string(k) + "\"";
        out += eol;
    }
    return out;
}

HallOfFame load(const TempFolder& dir, FileState& state) {
    HallOfFame t = sample();
    gyrock::scoresFile("load", dir.path(), t, state);
    return t;
}

}  // namespace

TEST(ScoresFile, SaveWritesTwentyCrLfLinesAndLoadsBackByteExact) {
    TempFolder dir;
    HallOfFame t = sample();
    FileState state;
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());

    HallOfFame back;
    EXPECT_TRUE(gyrock::scoresFile("load", dir.path(), back, state));
    EXPECT_FALSE(state.damaged);
    EXPECT_EQ(back, t);
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), back, state));
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
}

TEST(ScoresFile, ModeMustBeExactlyLoadOrSave) {
    TempFolder dir;
    HallOfFame t = sample();
    FileState state;
    for (const char* mode : {"Load", "SAVE", "save ", "", "loads"}) {
        EXPECT_FALSE(gyrock::scoresFile(mode, dir.path(), t, state)) << mode;
    }
    EXPECT_FALSE(dir.exists("scores.txt"));
    EXPECT_EQ(t, sample());
}

TEST(ScoresFile, MissingFileStartsWithZeroScoresAndEmptyNames) {
    TempFolder dir;
    FileState state;
    EXPECT_EQ(load(dir, state), HallOfFame{});
    EXPECT_FALSE(state.damaged);
}

TEST(ScoresFile, LfLineEndsReadLikeCrLf) {
    TempFolder dir;
    dir.write("scores.txt", sampleFile("\n"));
    FileState state;
    EXPECT_EQ(load(dir, state), sample());
    EXPECT_FALSE(state.damaged);
}

TEST(ScoresFile, AwkwardNamesReadBackExactlyAsTyped) {
    const std::array<std::string, 10> names = {
        "",         "Smith, J", "  spaced  ", "say \"hi\"", "\"",
        "a,\"b\",c", "Zoë",      "日本語",      "\"\"",       "x\ty",
    };
    TempFolder dir;
    HallOfFame t;
    t.hofname = names;
    FileState state;
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    HallOfFame back = sample();
    EXPECT_TRUE(gyrock::scoresFile("load", dir.path(), back, state));
    EXPECT_EQ(back.hofname, names);
    EXPECT_FALSE(state.damaged);
}

TEST(ScoresFile, EmptyNameIsAnEmptyPairOfQuotes) {
    const std::string text = gyrock::formatScores(HallOfFame{});
    EXPECT_EQ(text.substr(0, 7), "0\r\n\"\"\r\n");
}

TEST(ScoresFile, LineBreakInANameIsStoredAsASpace) {
    HallOfFame t;
    t.hofname[3] = "two\r\nlines";
    const auto back = gyrock::parseScores(gyrock::formatScores(t));
    EXPECT_EQ(back.table.hofname[3], "two  lines");
    EXPECT_FALSE(back.damaged);
}

TEST(ScoresFile, EightBitFileIsReadAsWindows1252) {
    std::string text = sampleFile();
    const std::string from = "Player 6";
    text.replace(text.find(from), from.size(), "Zo\xEB \x80\x99");  // ë € ™
    TempFolder dir;
    dir.write("scores.txt", text);
    FileState state;
    HallOfFame t = load(dir, state);
    EXPECT_EQ(t.hofname[6], "Zoë €™");
    EXPECT_EQ(t.hofname[5], "Player 5");
    EXPECT_FALSE(state.damaged);
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_NE(dir.read("scores.txt").find("Zo\xC3\xAB"), std::string::npos);  // now UTF-8
}

TEST(ScoresFile, FieldsMayAlsoEndAtACommaAndTextAfterTheTwentiethIsIgnored) {
    std::string text;
    for (int k = 0; k < 10; ++k) text += std::to_string(k) + ",\"n" + std::to_string(k) + "\"\r\n";
    const auto parsed = gyrock::parseScores(text + "\r\n\r\n");
    EXPECT_EQ(parsed.table.hofscore[9], 9);
    EXPECT_EQ(parsed.table.hofname[9], "n9");
    EXPECT_FALSE(parsed.damaged);
    // Ignored, but kept in the backup since it may be something of the player's.
    EXPECT_TRUE(gyrock::parseScores(text + "12\r\n\"extra\"\r\n").damaged);
    EXPECT_EQ(gyrock::parseScores(text + "12\r\n\"extra\"\r\n").table, parsed.table);
}

TEST(ScoresFile, OutOfOrderTableLoadsAndSavesInItsOwnOrder) {
    HallOfFame t;
    t.hofscore = {900, 5, 700, -3, 500, 0, 300, 2, 100, 1};
    const std::string text = gyrock::formatScores(t);
    EXPECT_EQ(gyrock::parseScores(text).table, t);
    EXPECT_EQ(gyrock::formatScores(gyrock::parseScores(text).table), text);
}

TEST(ScoresFile, Utf8ByteOrderMarkIsSkipped) {
    const auto parsed = gyrock::parseScores("\xEF\xBB\xBF" + sampleFile());
    EXPECT_EQ(parsed.table, sample());
    EXPECT_FALSE(parsed.damaged);
}

// Each damaged file reads as far as it is valid, the rest from the defaults.
struct Damaged {
    const char* what;
    std::string bytes;
    int validEntries;
};

void PrintTo(const Damaged& c, std::ostream* os) { *os << c.what; }

class DamagedScoresFile : public testing::TestWithParam<Damaged> {};

TEST_P(DamagedScoresFile, ReadsTheValidPartAndKeepsTheOriginalBeforeReplacingIt) {
    const Damaged& c = GetParam();
    TempFolder dir;
    dir.write("scores.txt", c.bytes);
    FileState state;
    HallOfFame t = load(dir, state);
    EXPECT_TRUE(state.damaged);
    for (int k = 0; k < 10; ++k) {
        if (k < c.validEntries) {
            EXPECT_EQ(t.hofscore[k], 100 * k) << k;
        } else {
            EXPECT_EQ(t.hofscore[k], 0) << k;
            EXPECT_EQ(t.hofname[k], "") << k;
        }
    }
    t.hofscore[0] = 42;
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt.bak"), c.bytes);
    EXPECT_EQ(state.backup, dir / "scores.txt.bak");
    // Only the first overwrite keeps a copy.
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_FALSE(dir.exists("scores.txt.bak2"));
    EXPECT_EQ(dir.read("scores.txt.bak"), c.bytes);
}

std::string sampleWith(std::string_view from, std::string_view to) {
    std::string text = sampleFile();
    text.replace(text.find(from), from.size(), to);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedScoresFile,
    testing::Values(
        Damaged{"empty", "", 0},
        Damaged{"short", sampleFile().substr(0, sampleFile().find("400")), 4},
        Damaged{"cut inside a name", sampleFile().substr(0, sampleFile().find("Player 3") + 3), 4},
        Damaged{"score beyond 32 bits", sampleWith("500\r\n", "4294967796\r\n"), 5},
        Damaged{"stray text in a score", sampleWith("300\r\n", "300 points\r\n"), 3},
        Damaged{"name without quotes", sampleWith("\"Player 2\"", "Player 2"), 10},
        Damaged{"name missing its closing quote", sampleWith("\"Player 7\"", "\"Player 7"), 10},
        Damaged{"unescaped inner quote", sampleWith("\"Player 8\"", "\"Play\"er 8\""), 10},
        Damaged{"NUL bytes", sampleWith("600\r\n", std::string("6\0\0\r\n", 5)), 6},
        Damaged{"zero-filled", std::string(400, '\0'), 0},
        Damaged{"binary junk", std::string("\xFF\xFE\x00\x01garbage\r\n\"", 14), 0}),
    [](const testing::TestParamInfo<Damaged>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(ScoresFile, UnquotedAndRecoveredNamesKeepTheirText) {
    EXPECT_EQ(gyrock::parseScores(sampleWith("\"Player 2\"", "Player 2")).table.hofname[2], "Player 2");
    EXPECT_EQ(gyrock::parseScores(sampleWith("\"Player 7\"", "\"Player 7")).table.hofname[7], "Player 7");
    EXPECT_EQ(gyrock::parseScores(sampleWith("\"Player 8\"", "\"Play\"er 8\"")).table.hofname[8],
              "Play\"er 8");
}

TEST(ScoresFile, ExistingBackupsAreNeverReplaced) {
    TempFolder dir;
    dir.write("scores.txt.bak", "first");
    dir.write("scores.txt.bak2", "second");
    dir.write("scores.txt", "junk");
    FileState state;
    HallOfFame t = load(dir, state);
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt.bak"), "first");
    EXPECT_EQ(dir.read("scores.txt.bak2"), "second");
    EXPECT_EQ(dir.read("scores.txt.bak3"), "junk");
}

TEST(ScoresFile, HugeFileIsReadFromItsStartOnlyAndKept) {
    TempFolder dir;
    {
        std::ofstream out(dir / "scores.txt", std::ios::binary);
        out << sampleFile();
        const std::string filler(1 << 20, 'x');
        for (int i = 0; i < 100; ++i) out << filler;  // 100 MB of trailing junk
    }
    FileState state;
    HallOfFame t = load(dir, state);
    EXPECT_EQ(t, sample());
    EXPECT_TRUE(state.damaged);
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(std::filesystem::file_size(dir / "scores.txt.bak"), sampleFile().size() + 100u * (1 << 20));
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
}

TEST(ScoresFile, CutThroughACharacterDoesNotMakeTheFileLookEightBit) {
    std::string text = sampleFile();
    text = text.substr(0, text.rfind("\"Player 9\"")) + "\"";
    if (text.size() % 2 == 0) text += 'a';  // the cut then falls inside a two-byte letter
    while (text.size() <= gyrock::maxDataFileRead) text += "ë";
    const auto parsed = gyrock::parseScores(std::string_view(text).substr(0, gyrock::maxDataFileRead), true);
    EXPECT_TRUE(parsed.damaged);
    EXPECT_EQ(parsed.table.hofname[8], "Player 8");
    EXPECT_NE(parsed.table.hofname[9].find("ëë"), std::string::npos);
    EXPECT_EQ(parsed.table.hofname[9].find("\xC3\x83"), std::string::npos);  // no Ã from 8-bit decoding
}

TEST(ScoresFile, DirectoryInPlaceOfTheFileGivesDefaultsAndAFailedSave) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "scores.txt");
    dir.write("scores.txt/keep", "player's");
    FileState state;
    HallOfFame t = sample();
    EXPECT_FALSE(gyrock::scoresFile("load", dir.path(), t, state));
    EXPECT_EQ(t, HallOfFame{});
    EXPECT_TRUE(state.damaged);
    EXPECT_FALSE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt/keep"), "player's");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temp left
}

TEST(ScoresFile, UnwritableFolderReportsFailureAndKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    TempFolder dir;
    dir.write("scores.txt", sampleFile());
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    HallOfFame t;
    FileState state;
    EXPECT_FALSE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt"), sampleFile());
}

TEST(ScoresFile, UnreadableFileIsNotReplacedWithoutABackup) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads anything";
    TempFolder dir;
    dir.write("scores.txt", sampleFile());
    std::filesystem::permissions(dir / "scores.txt", std::filesystem::perms::none);
    FileState state;
    HallOfFame t = load(dir, state);
    EXPECT_EQ(t, HallOfFame{});
    EXPECT_TRUE(state.damaged);
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    std::filesystem::permissions(dir / "scores.txt.bak", std::filesystem::perms::owner_read);
    EXPECT_EQ(dir.read("scores.txt.bak"), sampleFile());
}

TEST(ScoresFile, MissingFolderReportsAFailedSave) {
    TempFolder dir;
    HallOfFame t = sample();
    FileState state;
    EXPECT_FALSE(gyrock::scoresFile("save", dir / "gone", t, state));
}

TEST(ScoresFile, DamagedOriginalIsLeftAloneWhenNoBackupCanBeMade) {
    TempFolder dir;
    dir.write("scores.txt", "junk");
    dir.write("scores.txt.bak", "b");
    for (int n = 2; n <= 999; ++n) dir.write("scores.txt.bak" + std::to_string(n), "b");
    FileState state;
    HallOfFame t = load(dir, state);
    EXPECT_FALSE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_EQ(dir.read("scores.txt"), "junk");
}

// The name box takes maxNameLength UTF-16 characters; whatever they are,
// ten such names must come back whole from the file they make.
TEST(ScoresFile, AnyNameTheBoxTakesIsWrittenAndReadBackWhole) {
    auto times = [](std::string_view piece, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += piece;
        return out;
    };
    const int n = gyrock::maxNameLength;
    const std::string names[] = {
        times("\"", n),                 // every quote doubled in the file
        times("\xE2\x82\xAC", n),       // euro signs, three bytes each
        times("\xF0\x9F\x98\x80", n / 2),  // outside the BMP: two characters each
        times(",\"x\" ", n / 5),
    };
    for (const std::string& name : names) {
        TempFolder dir;
        HallOfFame t;
        for (int k = 0; k < 10; ++k) {
            t.hofscore[k] = -2147483647 - 1 + k;
            t.hofname[k] = name;
        }
        FileState state;
        ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
        EXPECT_LE(std::filesystem::file_size(dir / "scores.txt"), gyrock::maxDataFileRead);
        HallOfFame back;
        EXPECT_TRUE(gyrock::scoresFile("load", dir.path(), back, state)) << name;
        EXPECT_FALSE(state.damaged);
        EXPECT_EQ(back, t) << name;
    }
}

TEST(ScoresFile, OverlongNameFromAFileIsCutAtACharacterAndTheOriginalKept) {
    std::string euros;
    while (euros.size() < 3 * gyrock::maxNameBytes) euros += "\xE2\x82\xAC";
    for (const std::string& name : {euros, "a" + euros, std::string(5000, '"')}) {
        TempFolder dir;
        HallOfFame t = sample();
        t.hofname[5] = name;
        std::string file = gyrock::formatScores(sample());
        const std::string quoted = "\"Player 5\"";
        std::string escaped;
        for (char c : name) escaped += c == '"' ? std::string("\"\"") : std::string(1, c);
        file.replace(file.find(quoted), quoted.size(), "\"" + escaped + "\"");
        dir.write("scores.txt", file);

        FileState state;
        HallOfFame back = load(dir, state);
        EXPECT_TRUE(state.damaged);
        EXPECT_LE(back.hofname[5].size(), gyrock::maxNameBytes);
        EXPECT_GT(back.hofname[5].size(), gyrock::maxNameBytes - 4);
        EXPECT_EQ(name.compare(0, back.hofname[5].size(), back.hofname[5]), 0);
        HallOfFame others = back;
        others.hofname[5] = "Player 5";
        EXPECT_EQ(others, sample()) << "the other entries";

        ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), back, state));
        EXPECT_EQ(dir.read("scores.txt.bak"), file);
        EXPECT_EQ(load(dir, state), back);
        EXPECT_FALSE(state.damaged);
    }
}

TEST(ScoresFile, EvenAHugeNameInTheTableIsWrittenSoThatItReadsBack) {
    TempFolder dir;
    HallOfFame t;
    for (auto& name : t.hofname) name = std::string(100000, '"');
    FileState state;
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), t, state));
    EXPECT_LE(std::filesystem::file_size(dir / "scores.txt"), gyrock::maxDataFileRead);
    HallOfFame back = load(dir, state);
    EXPECT_FALSE(state.damaged);
    for (const auto& name : back.hofname) EXPECT_EQ(name, std::string(gyrock::maxNameBytes, '"'));
}
