#include <gtest/gtest.h>

#include <sys/stat.h>

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
