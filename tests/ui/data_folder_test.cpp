// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <QCoreApplication>
#include <QStandardPaths>
#include <QString>

#include <array>

#include <sys/stat.h>

#include "app/data_folder.h"
#include "tests/support/temp_folder.h"

namespace {

QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

// A portable copy made read-only keeps the player's files per user.
TEST(DataFolder, OnlyAMarkedWritableProgramFolderKeepsTheFiles) {
    for (const auto& [marked, writable] : {std::pair{true, true}, {true, false}, {false, true}}) {
        TempFolder program, perUser;
        if (marked) program.write(gyrock::portableMarkerName, "");
        giveToPlayer(perUser.path());
        if (writable) giveToPlayer(program.path());
        ::chmod(program.path().c_str(), writable ? 0755 : 0555);
        inChild([&, marked = marked, writable = writable] {
            const auto chosen = gyrock::defaultDataFolder(q(program.path()), q(perUser / "gyrock"));
            EXPECT_EQ(chosen, marked && writable ? program.path() : perUser / "gyrock");
            EXPECT_TRUE(std::filesystem::is_directory(chosen));
        }, true);
    }
}

// An installed copy finds a player's files beside the program (an older
// version, a portable copy made read-only) and carries them over, once; a
// folder in the place of a file is not carried.
TEST(DataFolder, PlayersFilesBesideTheProgramAreCarriedOverWhereNoneAreYet) {
    // Beside the program: scores ("/": a folder), prefs; per user: scores
    // before, then scores and prefs after ("": none).
    const std::array<const char*, 5> cases[] = {
        {"old table", "0\r\n", "", "old table", "0\r\n"}, {"old table", "", "", "old table", ""},
        {"old table", "0\r\n", "newer table", "newer table", "0\r\n"}, {"", "", "", "", ""},
        {"/", "", "", "", ""},
    };
    for (const auto& [scores, prefs, userScores, expectedScores, expectedPrefs] : cases) {
        TempFolder program, perUser;
        if (*scores == '/') std::filesystem::create_directory(program / "scores.txt");
        if (*scores && *scores != '/') program.write("scores.txt", scores);
        if (*prefs) program.write("prefs.txt", prefs);
        if (*userScores) perUser.write("scores.txt", userScores);
        EXPECT_EQ(gyrock::defaultDataFolder(q(program.path()), q(perUser.path())), perUser.path());
        EXPECT_EQ(perUser.exists("scores.txt"), *expectedScores != 0) << scores;
        EXPECT_EQ(perUser.read("scores.txt"), expectedScores);
        EXPECT_EQ(perUser.read("prefs.txt"), expectedPrefs);
        EXPECT_TRUE(*scores == '/' || program.read("scores.txt") == scores) << "the original stays";
    }
}

// A build's own folder is marked and writable; looking leaves nothing behind.
TEST(DataFolder, ProgramFolderWhenWritableAndNoProbeLeftBehind) {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    EXPECT_EQ(gyrock::chooseDataFolder(QString(), nullptr), program);
    for (const auto& entry : std::filesystem::directory_iterator(program)) {
        EXPECT_EQ(entry.path().filename().string().find(".gyrock-probe"), std::string::npos);
    }
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("gyrock-test");
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
