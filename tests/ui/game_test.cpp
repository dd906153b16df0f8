// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Playing: NEW GAME, the pause key, the panels, RESTART and the end of a game.
#include <QElapsedTimer>
#include <QTest>

#include "halloffame/scores_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using NewGame = WindowTest;
using Stakko = WindowTest;
using PauseKey = WindowTest;
using Panels = WindowTest;
using Restart = WindowTest;
using GameOver = WindowTest;

const SeenBox kStakkoBox{QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit."), QStringLiteral("gyrock"),
                         QMessageBox::NoIcon, QMessageBox::Ok};

TEST_F(NewGame, ShowsFreshCountersHidesTheGameModeFrameAndEnablesRestart) {
    startPausedGame();
    EXPECT_EQ(f().Label1->text(), QStringLiteral("Level : 1"));
    EXPECT_EQ(f().Label2->text(), QStringLiteral("Score : 0"));
    EXPECT_EQ(f().Label4->text(), QStringLiteral("Lines : 0"));
    EXPECT_FALSE(f().frameng->isVisible());
    EXPECT_TRUE(f().cmdrestart->isEnabled());
    EXPECT_FALSE(f().gover->isVisible());
}

TEST_F(Stakko, SelectingItTellsThePlayerOffAndKeepsItWhereverTheFocusReturns) {
    // As the player does it (the option button takes the focus, then the click),
    // and with the focus left on Gyrock, where the window hands it back once the
    // message closes: that is no choice of the player's.
    for (auto [focused, reason] : {std::pair{f().opt_stakko, Qt::MouseFocusReason},
                                   std::pair{f().opt_gyrock, Qt::OtherFocusReason}}) {
        f().opt_gyrock->setChecked(true);
        auto answerer = answerBoxes(&w(), {QMessageBox::Ok});
        focused->setFocus(reason);
        f().opt_stakko->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(answerer->seen, std::vector{kStakkoBox});
        EXPECT_TRUE(f().opt_stakko->isChecked());
        EXPECT_FALSE(f().opt_gyrock->isChecked());
    }
}

TEST_F(Stakko, TheBoardIsDrawnUpright) {
    auto answerer = answerBoxes(&w(), {QMessageBox::Ok});
    f().opt_stakko->setFocus(Qt::MouseFocusReason);
    f().opt_stakko->click();
    ASSERT_EQ(answerer->seen.size(), 1u);
    // The layer is made from what the window shows, so it is taken afresh.
    auto wallDrawn = [&] { return w().host().drawingLayer().pixelColor(128, 48).alpha() > 0; };
    QElapsedTimer since;
    since.start();
    QTimer poll;  // pauses once the board is on the layer, or after a deadline
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if ((wallDrawn() || since.hasExpired(10000)) && game().paused == kFalse) QTest::keyClick(&w(), 'p');
    });
    poll.start(10);
    w().Cmdstart_Click();
    EXPECT_TRUE(f().opt_stakko->isChecked());
    EXPECT_EQ(game().angle, 0);
    EXPECT_TRUE(wallDrawn());
    EXPECT_EQ(w().host().drawingLayer().pixelColor(100, 48).alpha(), 0);
}

TEST_F(PauseKey, TypedPPausesAndResumesOnlyDuringAGame) {
    QTest::keyClick(&w(), 'p');
    EXPECT_EQ(game().paused, kFalse);
    EXPECT_FALSE(f().labelp->isVisible());
    startPausedGame();
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
    Flag pausedWhileRunning = kTrue;
    bool labelShownWhileRunning = true;
    soon(100, [&] {
        pausedWhileRunning = game().paused;
        labelShownWhileRunning = f().labelp->isVisible();
        QTest::keyClick(&w(), 'p');
    });
    QTest::keyClick(&w(), 'P');  // resumes; returns once paused again
    EXPECT_EQ(pausedWhileRunning, kFalse);
    EXPECT_FALSE(labelShownWhileRunning);
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
}

TEST_F(Panels, PauseAGameAndResumeItOnCloseUnlessRemainPausedIsTicked) {
    struct Case {
        void (MainWindow::*open)();
        void (MainWindow::*close)();
        QWidget* panel;
        bool inGame, remainPaused;
    };
    const Case cases[] = {
        {&MainWindow::Command1_Click, &MainWindow::Command4_Click, f().opts, false, false},
        {&MainWindow::Command3_Click, &MainWindow::Command6_Click, f().framehelp, false, false},
        {&MainWindow::Command1_Click, &MainWindow::Command4_Click, f().opts, true, true},
        {&MainWindow::Command1_Click, &MainWindow::Command4_Click, f().opts, true, false},
        {&MainWindow::Command3_Click, &MainWindow::Command6_Click, f().framehelp, true, false},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(row++);
        if (c.inGame) {
            game().paused = kFalse;  // as once the last row's game has ended
            soon(100, [&] { (w().*c.open)(); });
            w().Cmdstart_Click();  // returns once the panel has paused the game
        } else {
            (w().*c.open)();
        }
        EXPECT_TRUE(c.panel->isVisible());
        EXPECT_FALSE(f().frameng->isEnabled());
        EXPECT_EQ(game().paused != kFalse, c.inGame);
        EXPECT_EQ(f().labelp->isVisible(), c.inGame);

        f().opt_remainp->setChecked(c.remainPaused);
        bool ranWithPausedHidden = false;
        QTimer stop;  // pauses a resumed game; gone with this row
        stop.setSingleShot(true);
        QObject::connect(&stop, &QTimer::timeout, [&] {
            ranWithPausedHidden = game().paused == kFalse && !f().labelp->isVisible();
            game().keyPress('p');
        });
        stop.start(100);
        (w().*c.close)();
        EXPECT_EQ(ranWithPausedHidden, c.inGame && !c.remainPaused);
        EXPECT_FALSE(c.panel->isVisible());
        EXPECT_TRUE(f().frameng->isEnabled());
        EXPECT_EQ(f().labelp->isVisible(), c.inGame);
    }
}

TEST_F(Restart, TheAnswersDecideWhetherAndHowANewGameStarts) {
    using Button = QMessageBox::StandardButton;
    const SeenBox sure{QStringLiteral("Are you sure you want to restart the game?"), QStringLiteral("gyrock"),
                       QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No};
    SeenBox rotated = sure;
    rotated.text = QStringLiteral("You want your board rotated, right? It's Gyrock, after all.");
    struct Case {
        std::vector<Button> answers;
        std::vector<SeenBox> boxes;
        bool restarts, stakko;
    };
    const Case cases[] = {
        {{QMessageBox::No}, {sure}, false, false},
        {{QMessageBox::Yes, QMessageBox::Yes}, {sure, rotated}, true, false},
        {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}, {sure, rotated, kStakkoBox}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.size());
        startPausedGame();
        game().score = 123;
        auto answerer = answerBoxes(&w(), c.answers);
        if (c.restarts) pauseOnceRunning();
        w().cmdrestart_Click();
        EXPECT_EQ(answerer->seen, c.boxes);
        EXPECT_EQ(f().opt_stakko->isChecked(), c.stakko);
        EXPECT_EQ(game().score, c.restarts ? 0 : 123);
        EXPECT_EQ(f().Label2->text(), QStringLiteral("Score : 0"));
        EXPECT_EQ(game().paused, kTrue);
        EXPECT_TRUE(f().labelp->isVisible());
        EXPECT_FALSE(f().frameng->isVisible());
    }
}

TEST_F(GameOver, FilledWellEndsTheGameAndShowsGameModeFrame) {
    startPausedGame();
    ASSERT_EQ(game().paused, kTrue);
    for (int column = 9; column <= 10; ++column) {
        for (int row = 6; row <= 29; ++row) game().board(column, row) = 1;
    }
    // Guard against a hang if the game does not end: pause it instead.
    soon(10000, [this] {
        if (game().gameover == kFalse && game().paused == kFalse) game().keyPress('p');
    });
    game().keyPress('p');
    EXPECT_EQ(game().gameover, kTrue);
    EXPECT_TRUE(f().gover->isVisible());
    EXPECT_TRUE(f().frameng->isVisible());
    EXPECT_FALSE(f().cmdrestart->isEnabled());
    EXPECT_EQ(game().angle, 0);
    ASSERT_NE(w().hallOfFameWindow(), nullptr);
    EXPECT_FALSE(w().hallOfFameWindow()->isVisible());
}

}  // namespace
}  // namespace gyrock::ui::testing
