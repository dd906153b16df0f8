// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// An option stored as 2 shows greyed, counts as off, survives the run
// unchanged, and becomes an ordinary box once clicked.
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using GreyedOption = WindowTest;

std::vector<QCheckBox*> boxes(Ui::form1& f) {
    return {f.opt_mus, f.opt_aa, f.opt_color, f.opt_remainp};
}

// Each box shows its own line of the file: the other values tell them apart.
TEST_F(GreyedOption, ShowsPartlyCheckedCountsAsOffAndIsWrittenBackAsTwo) {
    open("2\r\n1\r\n0\r\n2\r\n");
    const std::vector<Qt::CheckState> expected{Qt::PartiallyChecked, Qt::Checked, Qt::Unchecked,
                                               Qt::PartiallyChecked};
    std::vector<Qt::CheckState> shown;
    for (QCheckBox* box : boxes(f())) shown.push_back(box->checkState());
    EXPECT_EQ(shown, expected);
    EXPECT_FALSE(w().host().musicOn());
    EXPECT_FALSE(w().remainPaused());
    EXPECT_EQ(savedPrefs(), "2\r\n1\r\n0\r\n2\r\n");
}

TEST_F(GreyedOption, ClicksTurnItTickedThenClearAndNeverGreyAgain) {
    open("2\r\n2\r\n2\r\n2\r\n");
    for (QCheckBox* box : boxes(f())) {
        for (const Qt::CheckState expected :
             {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}) {
            box->click();
            EXPECT_EQ(box->checkState(), expected) << box->objectName().toStdString();
        }
        box->click();
    }
    EXPECT_TRUE(w().host().musicOn());
    EXPECT_TRUE(w().remainPaused());
    EXPECT_EQ(savedPrefs(), "1\r\n1\r\n1\r\n1\r\n");
}

TEST_F(GreyedOption, DefaultsGiveTheDesignValuesAsOrdinaryBoxes) {
    open("2\r\n2\r\n2\r\n2\r\n");
    w().restoreDefaultOptions();
    EXPECT_EQ(savedPrefs(), "1\r\n0\r\n0\r\n1\r\n");
}

}  // namespace
}  // namespace gyrock::ui::testing
