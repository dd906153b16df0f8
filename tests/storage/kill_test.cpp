// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A save killed at any moment must leave the old table or the new one.

#include <csignal>

#include "storage/data_files.h"
#include "tests/support/temp_folder.h"

TEST(ScoresFileKill, KilledSaveLeavesTheOldTableOrTheNewOne) {
    TempFolder dir;
    gyrock::HallOfFame tables[2];
    tables[1].hofname.fill(std::string(200, 'b'));  // long enough to be written in pieces
    gyrock::FileState state;
    ASSERT_TRUE(gyrock::saveScores(dir.path(), tables[0], state));
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
        EXPECT_EQ(dir.entries(), 1) << "loading clears what a killed save left";
    }
    // Both tables must have been seen, or the kills never hit a save.
    EXPECT_TRUE(seen[0] > 0 && seen[1] > 0) << seen[0] << ' ' << seen[1];
}
