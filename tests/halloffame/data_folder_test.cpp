#include <QCoreApplication>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>

#include "halloffame/data_folder.h"
#include "temp_folder.h"

namespace {

// QCoreApplication is made here, not at static initialisation: test
// discovery runs the binary at build time.
class CoreAppEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "hof_paths_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QCoreApplication(argc, argv);
        QCoreApplication::setApplicationName("gyrock-test");
        QStandardPaths::setTestModeEnabled(true);
    }
    void TearDown() override { delete app_; }

private:
    QCoreApplication* app_ = nullptr;
};

const auto* env = testing::AddGlobalTestEnvironment(new CoreAppEnvironment);

QString q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TEST(DataFolder, RequestedFolderIsCreatedOrRefusedWithAReason) {
    TempFolder dir;
    dir.write("file", "x");
    const struct {
        std::filesystem::path requested;
        bool usable;
    } cases[] = {
        {dir / "a" / "b", true},
        {dir.path(), true},
        {dir / "file", false},
        {dir / "file" / "below", false},
    };
    for (const auto& c : cases) {
        QString error;
        const auto chosen = gyrock::chooseDataFolder(q(c.requested), &error);
        EXPECT_EQ(chosen.has_value(), c.usable) << c.requested;
        EXPECT_EQ(error.isEmpty(), c.usable) << c.requested;
        if (c.usable) {
            EXPECT_EQ(*chosen, c.requested);
            EXPECT_TRUE(std::filesystem::is_directory(c.requested));
        }
    }
    EXPECT_EQ(gyrock::requestedDataFolder({"gyrock", "--data-dir=" + q(dir.path())}), q(dir.path()));
    EXPECT_EQ(gyrock::requestedDataFolder({"gyrock", "--data-dir", q(dir.path())}), q(dir.path()));
    EXPECT_EQ(gyrock::requestedDataFolder({"gyrock", "--data-dir"}), QString());
}

TEST(DataFolder, OnlyAMarkedProgramFolderKeepsTheFiles) {
    for (const bool marked : {true, false}) {
        TempFolder program, perUser;
        if (marked) program.write(gyrock::portableMarkerName, "");
        const auto chosen = gyrock::defaultDataFolder(q(program.path()), q(perUser / "gyrock"));
        EXPECT_EQ(chosen, marked ? program.path() : perUser / "gyrock");
        EXPECT_TRUE(std::filesystem::is_directory(chosen));
    }
}

// An installed copy finds a player's files beside the program (an older
// version, a portable copy made read-only) and carries them over, once; a
// folder in the place of a file is not carried.
TEST(DataFolder, PlayersFilesBesideTheProgramAreCarriedOverWhereNoneAreYet) {
    const struct {
        const char* programScores;  // "": no such file; "/": a folder
        const char* programPrefs;
        const char* userScores;
        const char* expectedScores;  // in the per-user folder afterwards
        const char* expectedPrefs;
    } cases[] = {
        {"old table", "0\r\n", "", "old table", "0\r\n"},
        {"old table", "", "", "old table", ""},
        {"old table", "0\r\n", "newer table", "newer table", "0\r\n"},
        {"", "", "", "", ""},
        {"/", "", "", "", ""},
    };
    for (const auto& c : cases) {
        TempFolder program, perUser;
        for (const auto& [name, text] : {std::pair{"scores.txt", c.programScores}, {"prefs.txt", c.programPrefs}}) {
            if (*text == '/') std::filesystem::create_directory(program / name);
            if (*text != '/' && *text) program.write(name, text);
        }
        if (*c.userScores) perUser.write("scores.txt", c.userScores);
        EXPECT_EQ(gyrock::defaultDataFolder(q(program.path()), q(perUser.path())), perUser.path());
        EXPECT_EQ(perUser.read("scores.txt"), c.expectedScores);
        EXPECT_EQ(perUser.read("prefs.txt"), c.expectedPrefs);
        EXPECT_EQ(perUser.exists("scores.txt"), *c.expectedScores != 0);
        if (*c.programScores != '/') {
            EXPECT_EQ(program.read("scores.txt"), c.programScores) << "the original stays";
        }
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
