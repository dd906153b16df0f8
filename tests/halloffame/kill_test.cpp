// A save killed at any moment must leave the old table or the new one.

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "halloffame/data_files.h"
#include "temp_folder.h"

namespace {

gyrock::HallOfFame table(char letter, std::int32_t base) {
    gyrock::HallOfFame t;
    for (int k = 0; k < 10; ++k) {
        t.hofscore[k] = base + k;
        t.hofname[k] = std::string(200, letter);  // long enough to be written in pieces
    }
    return t;
}

[[noreturn]] void saveForever(const std::filesystem::path& folder) {
    gyrock::HallOfFame tables[2] = {table('a', 1000), table('b', 2000)};
    gyrock::FileState state;
    for (unsigned n = 0;; ++n) gyrock::scoresFile("save", folder, tables[n % 2], state);
}

}  // namespace

TEST(ScoresFileKill, KilledSaveLeavesTheOldTableOrTheNewOne) {
    TempFolder dir;
    auto a = table('a', 1000);
    const auto b = table('b', 2000);
    gyrock::FileState first;
    ASSERT_TRUE(gyrock::scoresFile("save", dir.path(), a, first));
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> wait(0, 3000);
    int sawA = 0, sawB = 0;
    for (int round = 0; round < 500; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever(dir.path());
        std::this_thread::sleep_for(std::chrono::microseconds(wait(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        gyrock::HallOfFame back;
        gyrock::FileState state;
        ASSERT_TRUE(gyrock::scoresFile("load", dir.path(), back, state)) << "round " << round;
        ASSERT_TRUE(back == a || back == b) << "round " << round;
        (back == a ? sawA : sawB)++;
    }
    // Both tables must have been seen, or the kills never hit a save.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}
