#include <QCoreApplication>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(DataFolder, DataDirOptionWinsAndIsCreated) {
    TempFolder dir;
    const auto wanted = dir / "a" / "b";
    EXPECT_EQ(gyrock::dataFolder({"gyrock", "--data-dir", q(wanted)}), wanted);
    EXPECT_TRUE(std::filesystem::is_directory(wanted));
    EXPECT_EQ(gyrock::dataFolder({"gyrock", "--data-dir=" + q(dir.path())}), dir.path());
}

TEST(DataFolder, ProgramFolderWhenWritable) {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    EXPECT_EQ(gyrock::dataFolder({"gyrock"}), program);
    EXPECT_EQ(gyrock::dataFolder({"gyrock", "--data-dir"}), program);  // no folder given
}

TEST(DataFolder, ProgramFolderLeavesNoProbeBehind) {
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    gyrock::dataFolder({"gyrock"});
    for (const auto& entry : std::filesystem::directory_iterator(program)) {
        EXPECT_EQ(entry.path().filename().string().find(".gyrock-probe"), std::string::npos);
    }
}
