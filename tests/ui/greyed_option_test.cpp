// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// An option stored as 2 shows greyed, counts as off, survives the run
// unchanged, and becomes an ordinary box once clicked.
#include <fstream>
#include <iterator>

#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

class GreyedOption : public ::testing::Test {
protected:
    void start(const char* prefs) {
        folder_ = std::filesystem::temp_directory_path() / ("gyrock_greyed_" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::ofstream(folder_ / "prefs.txt", std::ios::binary) << prefs;
        window_ = std::make_unique<MainWindow>(folder_);
        ASSERT_TRUE(window_->Form_Load());
        window_->showCentred();
    }
    void TearDown() override {
        window_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string savedPrefs() {
        window_->close();
        std::ifstream in(folder_ / "prefs.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    Ui::form1& f() { return window_->form(); }
    std::vector<QCheckBox*> boxes() { return {f().opt_mus, f().opt_aa, f().opt_color, f().opt_remainp}; }

    std::filesystem::path folder_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(GreyedOption, ShowsPartlyCheckedCountsAsOffAndIsWrittenBackAsTwo) {
    start("2\r\n2\r\n2\r\n2\r\n");
    for (QCheckBox* box : boxes()) EXPECT_EQ(box->checkState(), Qt::PartiallyChecked) << box->objectName().toStdString();
    EXPECT_FALSE(window_->host().musicOn());
    EXPECT_FALSE(window_->remainPaused());
    EXPECT_EQ(savedPrefs(), "2\r\n2\r\n2\r\n2\r\n");
}

TEST_F(GreyedOption, ClicksTurnItTickedThenClearAndNeverGreyAgain) {
    start("2\r\n2\r\n2\r\n2\r\n");
    for (QCheckBox* box : boxes()) {
        for (const Qt::CheckState expected : {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
            box->click();
            EXPECT_EQ(box->checkState(), expected) << box->objectName().toStdString();
        }
        box->click();
    }
    EXPECT_TRUE(window_->host().musicOn());
    EXPECT_TRUE(window_->remainPaused());
    EXPECT_EQ(savedPrefs(), "1\r\n1\r\n1\r\n1\r\n");
}

TEST_F(GreyedOption, DefaultsGiveTheDesignValuesAsOrdinaryBoxes) {
    start("2\r\n2\r\n2\r\n2\r\n");
    window_->Command5_Click();
    EXPECT_EQ(savedPrefs(), "1\r\n0\r\n0\r\n1\r\n");
}

}  // namespace
}  // namespace gyrock::ui::testing
