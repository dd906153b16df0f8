#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "halloffame/data_files.h"

#include "halloffame/safe_file.h"
#include "temp_folder.h"

TEST(SafeFile, ReadStopsAtTheLimitAndSaysSo) {
    TempFolder dir;
    dir.write("f", std::string(100, 'x'));
    const auto read = gyrock::readBounded(dir / "f", 64);
    EXPECT_EQ(read.status, gyrock::FileRead::Status::Ok);
    EXPECT_EQ(read.bytes.size(), 64u);
    EXPECT_TRUE(read.truncated);
    const auto exact = gyrock::readBounded(dir / "f", 100);
    EXPECT_EQ(exact.bytes.size(), 100u);
    EXPECT_FALSE(exact.truncated);
}

TEST(SafeFile, PipeInPlaceOfTheFileIsNotWaitedOn) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo((dir / "f").c_str(), 0600), 0);
    EXPECT_EQ(gyrock::readBounded(dir / "f").status, gyrock::FileRead::Status::Unreadable);
}

TEST(SafeFile, AtomicWriteReplacesTheWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    dir.write("f", std::string(1000, 'o'));
    ASSERT_TRUE(gyrock::writeAtomically(dir / "f", "new"));
    EXPECT_EQ(dir.read("f"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SafeFile, BackupOfAFileKeepsItsBytesWhenTheFileIsReplaced) {
    TempFolder dir;
    dir.write("f", "original");
    EXPECT_EQ(gyrock::keepBackup(dir / "f"), dir / "f.bak");
    ASSERT_TRUE(gyrock::writeAtomically(dir / "f", "new"));
    EXPECT_EQ(dir.read("f.bak"), "original");
    EXPECT_EQ(gyrock::keepBackup(dir / "f"), dir / "f.bak2");
    EXPECT_EQ(dir.read("f.bak"), "original");
    EXPECT_EQ(dir.read("f.bak2"), "new");
}

namespace {

// The id of a process that has ended.
long endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace

// A save killed between writing its temporary and the rename leaves the
// temporary behind; the next start clears those and nothing else.
TEST(SafeFile, LoadingRemovesTemporariesOfKilledSavesOnly) {
    const std::string dead = std::to_string(endedProcess());
    const std::string self = std::to_string(::getpid());
    const std::string alive = std::to_string(::getppid());
    const std::pair<std::string, bool> cases[] = {
        {"scores.txt.tmp" + dead, true},
        {"prefs.txt.tmp" + dead, true},
        {"scores.txt.tmp" + self, true},
        {"scores.txt.tmp" + alive, false},  // a save that may still be under way
        {"scores.txt.tmp", false},
        {"scores.txt.tmp12a", false},
        {"scores.txt.tmp99999999999999999999", false},
        {"other.txt.tmp" + dead, false},
        {"xscores.txt.tmp" + dead, false},
        {"scores.txt.bak", false},
    };
    TempFolder dir;
    dir.write("scores.txt", "");
    for (const auto& [name, _] : cases) dir.write(name, "left over");
    gyrock::HallOfFame table;
    gyrock::Prefs prefs;
    gyrock::FileState state;
    gyrock::scoresFile("load", dir.path(), table, state);
    gyrock::prefsFile("load", dir.path(), prefs, state);
    for (const auto& [name, removed] : cases) EXPECT_EQ(dir.exists(name), !removed) << name;
    EXPECT_TRUE(dir.exists("scores.txt"));
}
