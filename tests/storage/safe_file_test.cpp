// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/safe_file.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <csignal>

#include "storage/data_files.h"
#include "tests/support/temp_folder.h"

using Status = gyrock::FileRead::Status;

// Reads stop at the limit, and neither reads nor backups take what is not a
// regular file.
TEST(SafeFile, ReadStopsAtTheLimitAndOnlyARegularFileIsReadOrKept) {
    TempFolder dir;
    dir.write("f", std::string(100, 'x'));
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // reading it would wait forever
    const std::tuple<const char*, std::size_t, Status, std::size_t, bool> cases[] = {
        {"f", 64, Status::Ok, 64, true},           {"f", 99, Status::Ok, 99, true},
        {"f", 100, Status::Ok, 100, false},        {"gone", 9, Status::Missing, 0, false},
        {"pipe", 9, Status::Unreadable, 0, false}, {".", 9, Status::Unreadable, 0, false},
    };
    for (const auto& [name, limit, status, size, truncated] : cases) {
        const auto read = gyrock::readBounded(dir / name, limit);
        EXPECT_EQ(read.status, status) << name << ' ' << limit;
        EXPECT_EQ(read.bytes, std::string(size, 'x')) << name << ' ' << limit;
        EXPECT_EQ(read.truncated, truncated) << name << ' ' << limit;
    }
    EXPECT_TRUE(gyrock::keepBackup(dir / ".").empty()) << "a folder is not copied";
}

// A disk that fills up, or a temporary that cannot be synced (a null device):
// the save fails and leaves the old file and no temporary.
TEST(SafeFile, SaveThatCannotBeCompletedLeavesTheOldFile) {
    for (const bool diskFull : {true, false}) {
        if (!diskFull && ::geteuid() != 0) continue;  // making a device node needs root
        TempFolder dir;
        dir.write("f", "old");
        inChild([&] {
            const rlimit small{100, 100};
            const auto temp = dir / ("f.tmp" + std::to_string(::getpid()));
            std::signal(SIGXFSZ, SIG_IGN);
            ASSERT_EQ(diskFull ? ::setrlimit(RLIMIT_FSIZE, &small)
                               : ::mknod(temp.c_str(), S_IFCHR | 0666, ::makedev(1, 3)),
                      0);
            EXPECT_FALSE(gyrock::writeAtomically(dir / "f", std::string(20000, 'n'))) << diskFull;
        });
        EXPECT_EQ(dir.read("f"), "old") << diskFull;
        EXPECT_EQ(dir.entries(), 1) << diskFull;
    }
}

// A save killed at any moment leaves the old table or the new one. Loading
// clears the temporaries killed saves left (file.tmpPID, of a process that no
// longer runs, or of this one), and nothing else.
TEST(SafeFile, KilledSavesLeaveTheOldTableOrTheNewOneAndOnlyTheirTemporariesAreCleared) {
    TempFolder dir;
    gyrock::HallOfFame tables[2];
    tables[1].hofname.fill(std::string(200, 'b'));  // long enough to be written in pieces
    gyrock::FileState state;
    ASSERT_TRUE(gyrock::saveScores(dir.path(), tables[0], state));
    const std::string dead = ".tmp90000009";  // beyond any process id
    const std::pair<std::string, bool> others[] = {
        // name, cleared
        {"scores.txt" + dead, true},
        {"scores.txt.tmp" + std::to_string(::getpid()), true},
        {"scores.txt.tmp0", true},
        {"scores.txt.tmp1", false},
        {"scores.txt.tmp" + std::to_string(::getppid()), false},  // a save may be under way
        {"scores.txt.tmp", false},
        {"scores.txt.tmp12a", false},
        {"scores.txt.tmp99999999999999999999", false},
        {"other.txt" + dead, false},
        {"xscores.txt" + dead, false},
    };
    for (const auto& [name, _] : others) dir.write(name, "left over");
    int seen[2] = {};
    for (int round = 0; round < 200; ++round) {
        int saved[2];
        ASSERT_EQ(::pipe(saved), 0);
        const pid_t child = ::fork();
        ASSERT_GT(child, -1);  // never kill(-1, ...)
        // The child saves the two tables in turn, telling of each save, until
        // killed; the kill comes after 0 to 2 saves and a wait of up to 3 ms.
        for (unsigned n = 0; child == 0; ++n) {
            gyrock::saveScores(dir.path(), tables[n % 2], state);
            if (::write(saved[1], "s", 1) != 1) ::_exit(1);
        }
        ::close(saved[1]);
        char byte;
        for (int n = 0; n < round % 3 && ::read(saved[0], &byte, 1) == 1; ++n) {
        }
        ::usleep(round * 761 % 3000);
        ::kill(child, SIGKILL);
        ::close(saved[0]);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        gyrock::HallOfFame back;
        ASSERT_TRUE(gyrock::loadScores(dir.path(), back, state)) << "round " << round;
        ASSERT_TRUE(back == tables[0] || back == tables[1]) << "round " << round;
        ++seen[back == tables[1]];
        EXPECT_EQ(dir.entries(), 8) << "the table and the seven others kept";
    }
    for (const auto& [name, cleared] : others) EXPECT_EQ(dir.exists(name), !cleared) << name;
    // Both tables must have been seen, or the kills never hit a save.
    EXPECT_TRUE(seen[0] > 0 && seen[1] > 0) << seen[0] << ' ' << seen[1];
}
