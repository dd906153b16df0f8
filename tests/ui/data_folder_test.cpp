// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "app/data_folder.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <array>
#include <tuple>

#include "audio/audio.h"
#include "tests/support/temp_folder.h"

static QString q(const std::filesystem::path& p) { return QString::fromStdString(p); }

// A copy as the game ships for players (the music beside the program) or a
// marked one keeps the player's files in its folder while that can be
// written; a program alone (a bin folder) or a read-only copy keeps them per user.
TEST(DataFolder, AWritableFolderWithTheMusicOrTheMarkerKeepsTheFiles) {
    const std::string music = std::filesystem::path(gyrock::audio::musicFilePath("")).filename();
    // Beside the program ("": nothing), its folder writable, the files kept there.
    const std::tuple<std::string, bool, bool> cases[] = {
        {gyrock::portableMarkerName, true, true},
        {gyrock::portableMarkerName, false, false},
        {music, true, true},
        {music, false, false},
        {"", true, false},
    };
    for (const auto& [beside, writable, kept] : cases) {
        TempFolder program, perUser;
        if (!beside.empty()) program.write(beside, "");
        giveToPlayer(perUser.path());
        if (writable) giveToPlayer(program.path());
        ::chmod(program.path().c_str(), writable ? 0755 : 0555);
        const auto choose = [&, kept = kept] {
            const auto chosen = gyrock::defaultDataFolder(q(program.path()), q(perUser / "gyrock"));
            EXPECT_EQ(chosen, kept ? program.path() : perUser / "gyrock");
            EXPECT_TRUE(std::filesystem::is_directory(chosen));
        };
        inChild(choose, true);
    }
}

// An installed copy finds a player's files beside the program (an older
// version, a portable copy made read-only) and carries them over, once; a
// folder in the place of a file is not carried.
TEST(DataFolder, PlayersFilesBesideTheProgramAreCarriedOverWhereNoneAreYet) {
    // Beside the program: scores ("/": a folder), prefs; per user: scores
    // before, then scores and prefs after ("": none).
    const std::array<const char*, 5> cases[] = {
        {"old table", "0\r\n", "", "old table", "0\r\n"},
        {"old table", "", "", "old table", ""},
        {"old table", "0\r\n", "newer table", "newer table", "0\r\n"},
        {"", "", "", "", ""},
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

// A build's own folder holds the music and the marker and can be written;
// looking leaves nothing behind.
TEST(DataFolder, ProgramFolderWhenWritableAndNoProbeLeftBehind) {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    EXPECT_EQ(gyrock::chooseDataFolder(QString(), nullptr), program);
    for (const auto& entry : std::filesystem::directory_iterator(program))
        EXPECT_EQ(entry.path().filename().string().find(".gyrock-probe"), std::string::npos);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("gyrock-test");
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}
