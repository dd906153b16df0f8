// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Playing: the Stakko choice, the panels, RESTART and the end of a game.
#include "halloffame/scores_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using Stakko = WindowTest;
using Panels = WindowTest;
using Restart = WindowTest;
using GameOver = WindowTest;

const SeenBox kStakkoBox{QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit."), QStringLiteral("gyrock"),
                         QMessageBox::NoIcon, QMessageBox::Ok};

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

// The options or the help, out of a game or in one.
TEST_F(Panels, PauseAGameAndResumeItOnCloseUnlessRemainPausedIsTicked) {
    struct Case {
        bool help, inGame, remainPaused;
    };
    const Case cases[] = {
        {false, false, false}, {true, false, false}, {false, true, true}, {false, true, false}, {true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        QWidget* panel = c.help ? f().framehelp : f().opts;
        const auto open = c.help ? &MainWindow::Command3_Click : &MainWindow::Command1_Click;
        const auto close = c.help ? &MainWindow::Command6_Click : &MainWindow::Command4_Click;
        if (c.inGame) {
            game().paused = kFalse;  // as once the last row's game has ended
            soon(100, [&] { (w().*open)(); });
            w().Cmdstart_Click();  // returns once the panel has paused the game
        } else {
            (w().*open)();
        }
        EXPECT_TRUE(panel->isVisible());
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
        (w().*close)();
        EXPECT_EQ(ranWithPausedHidden, c.inGame && !c.remainPaused);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(f().frameng->isEnabled());
        EXPECT_EQ(f().labelp->isVisible(), c.inGame);
    }
}

// The window's side of a new game shows too: fresh counters, RESTART
// enabled, the game mode frame hidden.
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
        const QStringList counters{f().Label1->text(), f().Label2->text(), f().Label4->text()};
        EXPECT_EQ(counters, QStringList({"Level : 1", "Score : 0", "Lines : 0"}));
        EXPECT_TRUE(f().cmdrestart->isEnabled());
        EXPECT_EQ(game().paused, kTrue);
        EXPECT_TRUE(f().labelp->isVisible());
        EXPECT_FALSE(f().frameng->isVisible());
    }
}

TEST_F(GameOver, FilledWellEndsTheGameAndShowsGameModeFrame) {
    startPausedGame();
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
