// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "halloffame/scores_window.h"
#include "tests/support/captions_fit.h"
#include "ui_scores.h"

using gyrock::HallOfFame;
using gyrock::ScoresWindow;

namespace {

struct FakeHost : gyrock::ScoresHost {
    bool frameEnabled = false, gameRunning = false, remain = true;
    std::int32_t score = 0;
    int resumes = 0, saves = 0;
    void setGameModeFrameEnabled(bool e) override { frameEnabled = e; }
    bool newGameButtonVisible() override { return !gameRunning; }
    bool remainPaused() override { return remain; }
    std::int32_t currentScore() override { return score; }
    void resumeGame() override { ++resumes; }
    void saveHallOfFame() override { ++saves; }
};

// Runs `step` once the modal window is up, and fails the test rather than
// hang if it never closes.
void whenShown(ScoresWindow& w, std::function<void()> step) {
    QTimer::singleShot(0, &w, std::move(step));
    QTimer::singleShot(5000, &w, [&w] {
        ADD_FAILURE() << "window stayed open";
        w.hide();
    });
}

// Scores 999990 and up, out of order; names Empty0 to Empty9.
class ScoresWindowTest : public testing::Test {
protected:
    ScoresWindowTest() {
        for (int k = 0; k < 10; ++k) {
            table.hofscore[k] = 999990 + (k * 7) % 10;
            table.hofname[k] = "Empty" + std::to_string(k);
        }
    }
    HallOfFame table;
    FakeHost host;
    ScoresWindow w{table, host};
};

}  // namespace

// Shown in the loaded order, top row first; every caption fits.
TEST_F(ScoresWindowTest, TableViewShowsRanksTopDownAndOkClosesIt) {
    table.hofname[9] = "";
    whenShown(w, [&] {
        EXPECT_TRUE(w.form().Frame1->isHidden());
        const std::pair<QLabel*, const char*> rows[] = {
            {w.nameLabel(0), "1. "}, {w.scoreLabel(0), "999993"}, {w.nameLabel(1), "2. Empty8"},
            {w.scoreLabel(1), "999996"}, {w.nameLabel(9), "10. Empty0"}, {w.scoreLabel(9), "999990"},
        };
        for (const auto& [label, text] : rows) EXPECT_EQ(label->text(), text);
        for (const std::string& clipped : gyrock::testing::clippedCaptions(&w)) ADD_FAILURE() << clipped;
        w.form().Command1->click();
    });
    w.showTableView();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(host.frameEnabled);
    EXPECT_EQ(host.resumes, 0);  // no game
    host.gameRunning = true;
    for (const bool remain : {true, false}) {
        host.remain = remain;
        whenShown(w, [&] { w.form().Command1->click(); });
        w.showTableView();
    }
    EXPECT_EQ(host.resumes, 1) << "only when not to remain paused";
}

// A score that beats no entry opens nothing; one that does opens the name
// entry, whose OK enters the text unchanged, saves and shows the table.
TEST_F(ScoresWindowTest, NameEntryTakesTheTextUnchangedSavesAndShowsTheTable) {
    const HallOfFame before = table;
    host.score = 999990;
    w.checkHallOfFame();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(table, before);

    host.score = 999995;
    host.remain = false;
    whenShown(w, [&] {
        EXPECT_FALSE(w.form().Frame1->isHidden());
        w.form().Text1->setText(" Smith, \"J\" ");
        w.form().Command1->click();
        EXPECT_TRUE(w.isVisible());  // now the table with the new entry
        EXPECT_TRUE(w.form().Frame1->isHidden());
        EXPECT_EQ(w.nameLabel(5)->text(), "6.  Smith, \"J\" ");
        w.form().Command1->click();
    });
    w.checkHallOfFame();
    EXPECT_EQ(table.hofname[4], " Smith, \"J\" ");  // below the older 999995
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.resumes, 0);
    EXPECT_EQ(w.form().Text1->text(), " Smith, \"J\" ");  // kept for next time
}

TEST_F(ScoresWindowTest, TabbingIntoTheKeptNameSelectsNothingAndTheBoxIsBounded) {
    QLineEdit* name = w.form().Text1;
    name->setText("Kept");
    whenShown(w, [&] {
        w.activateWindow();
        for (int i = 0; i < 500 && QApplication::activeWindow() != &w; ++i) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        ASSERT_EQ(QApplication::activeWindow(), &w);
        EXPECT_EQ(QApplication::focusWidget(), w.form().Command1);
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab}) {
            QKeyEvent press(QEvent::KeyPress, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
            QApplication::processEvents();
            EXPECT_FALSE(name->hasSelectedText());
            EXPECT_EQ(name->text(), "Kept");
        }
        EXPECT_EQ(QApplication::focusWidget(), name) << "the tab order is OK, then the name";
        name->setText(QString());
        name->insert(QString(200, QChar(0x20AC)));
        EXPECT_EQ(name->text().size(), gyrock::maxNameLength);
        w.hide();
    });
    w.showNameEntry();
}
