// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// An option stored as 2 shows greyed, counts as off, survives the run
// unchanged, and becomes an ordinary box once clicked.
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using GreyedOption = WindowTest;

TEST_F(GreyedOption, ShowsPartlyCheckedCountsAsOffAndBecomesAnOrdinaryBoxOnceClicked) {
    // The file's values (each box shows its own line: the other values tell
    // them apart), the clicks on each box (-1: Defaults instead), the boxes
    // as shown (~ greyed, + ticked, - clear), music and remain paused on, and
    // the file written back.
    const std::tuple<const char*, int, const char*, bool, const char*> cases[] = {
        {"2102", 0, "~+-~", false, "2102"}, {"2222", 1, "++++", true, "1111"},
        {"2222", 2, "----", false, "0000"}, {"2222", 3, "++++", true, "1111"},
        {"2222", -1, "+--+", true, "1001"},
    };
    const auto file = [](std::string_view values) {
        std::string text;
        for (const char value : values) text += std::string{value, '\r', '\n'};
        return text;
    };
    for (const auto& [prefs, clicks, shown, on, saved] : cases) {
        SCOPED_TRACE(::testing::Message() << prefs << " " << clicks);
        open(file(prefs));
        if (clicks < 0) w().restoreDefaultOptions();
        std::string boxes;
        for (QCheckBox* box : std::initializer_list<QCheckBox*>{f().opt_mus, f().opt_aa,
                                                                f().opt_color, f().opt_remainp}) {
            for (int k = 0; k < clicks; ++k) box->click();
            boxes += "-~+"[box->checkState()];
        }
        EXPECT_EQ(boxes, shown);
        EXPECT_EQ(w().host().musicOn(), on);
        EXPECT_EQ(w().remainPaused(), on);
        w().close();  // which saves
        EXPECT_EQ(folder_->read("prefs.txt"), file(saved));
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
