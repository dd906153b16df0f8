// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A fresh folder per test, removed afterwards, with helpers to put bytes in
// and read them back exactly; and a child process to run a step in as a
// player who cannot override file permissions, or under a fault.

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

class TempFolder {
  public:
    TempFolder() : path_(std::filesystem::temp_directory_path() / "gyrock-hof-XXXXXX") {
        path_ = ::mkdtemp(path_.string().data());
    }
    ~TempFolder() {
        std::error_code ec;  // a test may have left it read-only
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    void write(std::string_view name, std::string_view bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string read(std::string_view name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    bool exists(std::string_view name) const { return std::filesystem::exists(path_ / name); }
    long entries() const { return std::distance(std::filesystem::directory_iterator(path_), {}); }

  private:
    std::filesystem::path path_;
};

// Root reads and writes anything, so a step about what a player may not do
// runs as this account (nobody) when the tests run as root (as CI does).
inline constexpr uid_t player = 65534;

// Makes `path` the player's own.
inline void giveToPlayer(const std::filesystem::path& path) {
    EXPECT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), player, player) == 0) << path;
}

// Runs `step` in a child process, as the player if `asPlayer`; what fails
// there, reported by the child, fails the test.
inline void inChild(const std::function<void()>& step, bool asPlayer = false) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(60);  // a step that hangs fails instead
        const bool dropped =
            !asPlayer || ::geteuid() != 0 ||
            (::setgroups(0, nullptr) == 0 && ::setgid(player) == 0 && ::setuid(player) == 0);
        if (dropped) step();
        std::fflush(stdout);
        ::_exit(dropped && !::testing::Test::HasFailure() ? 0 : 1);
    }
    int status = 0;
    EXPECT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                WEXITSTATUS(status) == 0)
        << "the step in the child process failed";
}
