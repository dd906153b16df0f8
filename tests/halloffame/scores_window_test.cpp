// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Entering a name through this window, with the file it saves, is played
// through in the real window by tests/whole/hall_of_fame_in_real_window.sh.

#include "halloffame/scores_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/support/captions_fit.h"
#include "ui_scores.h"

// The window on a table, with the fixture as its host.
struct ScoresWindow : ::testing::Test, gyrock::ScoresHost {
    bool gameRunning = false, remain = true;
    int resumes = 0;
    void setGameModeFrameEnabled(bool) override {}
    bool newGameButtonVisible() override { return !gameRunning; }
    bool remainPaused() override { return remain; }
    std::int32_t currentScore() override { return 0; }
    void resumeGame() override { ++resumes; }
    void saveHallOfFame() override {}
    gyrock::HallOfFame table;
    gyrock::ScoresWindow w{table, *this};
};

// A score of 0 beats no entry and opens nothing, and the name box takes no
// more than a name. The table shows as loaded, top row first, every caption
// fitting; OK resumes only a game not meant to stay paused.
TEST_F(ScoresWindow, TableShowsRanksTopDownAndOkResumesOnlyWhenItShould) {
    for (int k = 0; k < 10; ++k) table.hofscore[k] = 999990 + (k * 7) % 10;
    table.hofname = {"Empty0", "", "", "", "", "", "", "", "Empty8", ""};
    w.checkHallOfFame();
    EXPECT_FALSE(w.isVisible());
    w.form().Text1->insert(QString(200, QChar(0x20AC)));
    EXPECT_EQ(w.form().Text1->text().size(), gyrock::maxNameLength);
    for (auto [running, paused, resumed] :
         {std::tuple{false, false, 0}, {true, true, 0}, {true, false, 1}}) {
        gameRunning = running, remain = paused;
        w.showTableView();
        const std::pair<QLabel*, const char*> rows[] = {
            {w.nameLabel(0), "1. "},        {w.scoreLabel(0), "999993"},
            {w.nameLabel(1), "2. Empty8"},  {w.scoreLabel(1), "999996"},
            {w.nameLabel(9), "10. Empty0"}, {w.scoreLabel(9), "999990"},
        };
        for (const auto& [label, text] : rows) EXPECT_EQ(label->text(), text);
        for (const std::string& clipped : gyrock::testing::clippedCaptions(&w))
            ADD_FAILURE() << clipped;
        w.form().Command1->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(resumes, resumed) << running << paused;
    }
}

// The name entry opens with the focus on OK, and an arrow meant for the game
// keeps it there; tabbing into the name kept from last time selects none of
// it, so a key typed next cannot wipe it.
TEST_F(ScoresWindow, TabbingIntoTheKeptNameSelectsNothing) {
    w.form().Text1->setText("Kept");
    w.showNameEntry();
    // Only the active window gets focus events: without them the check could not fail.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), w.form().Command1);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), key,
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QApplication::processEvents();  // as before the next key arrives
        EXPECT_FALSE(w.form().Text1->hasSelectedText());
    }
    EXPECT_EQ(QApplication::focusWidget(), w.form().Text1) << "the tab order is OK, then the name";
}
