// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Playing: the Stakko choice, the panels, RESTART, the end of a game, and
// what a box that is up does to the window and to a close.
#include <qpa/qwindowsysteminterface.h>

#include "halloffame/scores_window.h"
#include "ui/endgame_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using Stakko = WindowTest;
using Panels = WindowTest;
using Restart = WindowTest;
using GameOver = WindowTest;
using BoxUp = WindowTest;
using Closing = WindowTest;

const SeenBox kStakkoBox{QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit."),
                         QStringLiteral("gyrock"), QMessageBox::NoIcon, QMessageBox::Ok};

TEST_F(Stakko, SelectingItTellsThePlayerOffAndKeepsItWhereverTheFocusReturns) {
    // As the player does it (the option button takes the focus, then the click),
    // and with the focus left on Gyrock, where the window hands it back once the
    // message closes: that is no choice of the player's.
    for (auto [focused, reason] : {std::pair{f().opt_stakko, Qt::MouseFocusReason},
                                   std::pair{f().opt_gyrock, Qt::OtherFocusReason}}) {
        f().opt_gyrock->setChecked(true);
        focused->setFocus(reason);
        f().opt_stakko->click();
        EXPECT_EQ(answer(QMessageBox::Ok), kStakkoBox);
        QCoreApplication::processEvents();
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
        {false, false, false}, {true, false, false}, {false, true, true},
        {false, true, false},  {true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        QWidget* panel = c.help ? f().framehelp : f().opts;
        const auto open = c.help ? &MainWindow::openHelp : &MainWindow::openOptions;
        const auto close = c.help ? &MainWindow::closeHelp : &MainWindow::closeOptions;
        if (c.inGame) {
            game().paused = false;  // as once the last row's game has ended
            w().startNewGame();
        }
        (w().*open)();
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(f().frameng->isEnabled());
        EXPECT_EQ(game().paused, c.inGame);
        EXPECT_EQ(f().labelp->isVisible(), c.inGame);

        f().opt_remainp->setChecked(c.remainPaused);
        (w().*close)();
        const bool resumed = c.inGame && !c.remainPaused;
        EXPECT_EQ(!game().paused && !f().labelp->isVisible(), resumed || !c.inGame);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(f().frameng->isEnabled());
        if (resumed) w().characterTyped('p');
        EXPECT_EQ(f().labelp->isVisible(), c.inGame);
    }
}

// The window's side of a new game shows too: fresh counters, RESTART
// enabled, the game mode frame hidden.
TEST_F(Restart, TheAnswersDecideWhetherAndHowANewGameStarts) {
    using Button = QMessageBox::StandardButton;
    const SeenBox sure{QStringLiteral("Are you sure you want to restart the game?"),
                       QStringLiteral("gyrock"), QMessageBox::NoIcon,
                       QMessageBox::Yes | QMessageBox::No};
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
        {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok},
         {sure, rotated, kStakkoBox},
         true,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers.size());
        startPausedGame();
        game().score = 123;
        w().askToRestart();
        std::vector<SeenBox> boxes;
        for (Button button : c.answers) {
            EXPECT_FALSE(f().frameng->isVisible())
                << "the new game starts only after the last answer";
            if (auto shown = answer(button)) boxes.push_back(*shown);
        }
        EXPECT_EQ(frontMessageBox(), nullptr);
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(f().opt_stakko->isChecked(), c.stakko);
        EXPECT_EQ(game().score, c.restarts ? 0 : 123);
        const QStringList counters{f().Label1->text(), f().Label2->text(), f().Label4->text()};
        EXPECT_EQ(counters, QStringList({"Level : 1", "Score : 0", "Lines : 0"}));
        EXPECT_TRUE(f().cmdrestart->isEnabled());
        // A restarted game runs; a refused restart leaves the game paused.
        EXPECT_EQ(game().paused, !c.restarts);
        EXPECT_EQ(f().labelp->isVisible(), !c.restarts);
        EXPECT_FALSE(f().frameng->isVisible());
        if (c.restarts) w().characterTyped('p');
    }
}

TEST_F(GameOver, FilledWellEndsTheGameAndShowsGameModeFrame) {
    startPausedGame();
    for (int column = 9; column <= 10; ++column) {
        for (int row = 6; row <= 29; ++row) game().board(column, row) = 1;
    }
    w().characterTyped('p');
    ASSERT_TRUE(waitFor([this] { return f().frameng->isVisible(); }));
    EXPECT_EQ(game().gameover, true);
    EXPECT_TRUE(f().gover->isVisible());
    EXPECT_FALSE(f().cmdrestart->isEnabled());
    EXPECT_EQ(game().angle, 0);
    ASSERT_NE(w().hallOfFameWindow(), nullptr);
    EXPECT_FALSE(w().hallOfFameWindow()->isVisible());
}

// A question up over a running game: Qt sees no modal window, yet clicks and
// keys on the window do nothing and the game waits where it is.
TEST_F(BoxUp, HoldsTheGameAndTheWindowWithoutBlockingIt) {
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    game().paused = false;
    w().startNewGame();
    w().askToRestart();
    ASSERT_NE(frontMessageBox(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const auto row = game().piecey;
    QTest::mouseClick(f().Command1, Qt::LeftButton);  // OPTIONS
    QTest::keyClick(&w(), 'p');
    QTest::keyPress(&w(), Qt::Key_Down);
    QTest::qWait(750);  // longer than a fall at level 1
    QTest::keyRelease(&w(), Qt::Key_Down);
    EXPECT_FALSE(f().opts->isVisible());
    EXPECT_EQ(game().paused, false);
    EXPECT_EQ(game().piecey, row);
    answer(QMessageBox::No);
    // The game goes on from where it was held.
    EXPECT_TRUE(waitFor([&] { return game().piecey > row; }));
}

// Whatever is up or running, a close from the window system reaches the
// window and saves everything, once.
TEST_F(Closing, APlatformCloseEndsEverythingAndSaves) {
    struct Row {
        const char* what;
        std::function<void(MainWindow&)> bringUp;
    };
    auto inGame = [](MainWindow& w) {
        w.game().paused = false;
        w.startNewGame();
    };
    const Row rows[] = {
        {"a question", [&](MainWindow& w) { inGame(w), w.askToRestart(); }},
        {"the Stakko message", [](MainWindow& w) { w.form().opt_stakko->click(); }},
        {"the table", [](MainWindow& w) { w.showHighScores(); }},
        {"the name entry", [](MainWindow& w) { w.scoresWindow().showNameEntry(); }},
        {"the congratulation", [](MainWindow& w) { w.host().showEndGame(Victory::Turning); }},
        {"the clearing effect",
         [&](MainWindow& w) {
             inGame(w);
             for (int x = kWellLeft; x <= kWellRight; ++x) w.game().board(x, 29) = 1;
             w.game().clearLines();
         }},
        {"the turn back",
         [&](MainWindow& w) { inGame(w), w.game().angle = 90, w.game().turnBack(); }},
        {"a paused game", [&](MainWindow& w) { inGame(w), w.characterTyped('p'); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        open("0\r\n1\r\n0\r\n1\r\n");
        r.bringUp(w());
        int unloads = 0;
        QObject::connect(&w(), &MainWindow::unloaded, [&] { ++unloads; });
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            w().windowHandle());
        EXPECT_EQ(unloads, 1);
        EXPECT_FALSE(w().isVisible());
        for (QWidget* widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
        std::ifstream in(folder_ / "prefs.txt", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "0\r\n1\r\n0\r\n1\r\n");
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
