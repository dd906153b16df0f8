// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Playing: the Stakko choice, the panels, RESTART, and what a box that is up
// does to the window and to a close.
#include <qpa/qwindowsysteminterface.h>

#include "halloffame/scores_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using Playing = WindowTest;
using BoxUp = WindowTest;
using Closing = WindowTest;

const SeenBox kStakkoBox{QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit.")};

// An option button that takes the focus (by Tab, say) is chosen; the window
// handing the focus back, as once a box closes, is no choice of the player's.
TEST_F(Playing, StakkoChosenByTheFocusTellsThePlayerOffAndStaysChosen) {
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    f().opt_stakko->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(answer(QMessageBox::Ok), kStakkoBox);
    f().opt_gyrock->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(f().opt_stakko->isChecked());
    f().opt_stakko->setFocus(Qt::ActiveWindowFocusReason);
    f().opt_gyrock->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(f().opt_gyrock->isChecked());
}

// The options or the help, out of a game or in one.
TEST_F(Playing, APanelPausesTheGameAndResumesItOnCloseUnlessRemainPausedIsTicked) {
    // The help, in a game, remain paused ticked.
    const std::tuple<bool, bool, bool> cases[] = {
        {false, false, false}, {true, false, false}, {false, true, true},
        {false, true, false},  {true, true, false},
    };
    for (const auto& [help, inGame, remainPaused] : cases) {
        SCOPED_TRACE(::testing::Message() << help << inGame << remainPaused);
        QWidget* panel = help ? f().framehelp : f().opts;
        if (inGame) startGame();
        help ? w().openHelp() : w().openOptions();
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(f().frameng->isEnabled());
        EXPECT_EQ(std::pair(game().paused, f().labelp->isVisible()), std::pair(inGame, inGame));
        f().opt_remainp->setChecked(remainPaused);
        help ? w().closeHelp() : w().closeOptions();
        const bool held = inGame && remainPaused;
        EXPECT_EQ(std::pair(game().paused, f().labelp->isVisible()), std::pair(held, held));
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(f().frameng->isEnabled());
    }
}

// A refused restart leaves the game as it was; refusing the rotated board
// chooses Stakko, whose message comes before the new game. (The pad session
// plays a restart with the board rotated.)
TEST_F(Playing, RestartsOnlyOnceAnsweredAndInStakkoAfterItsMessage) {
    using enum QMessageBox::StandardButton;
    const SeenBox sure{.text = QStringLiteral("Are you sure you want to restart the game?"),
                       .buttons = Yes | No};
    const SeenBox rotated{
        .text = QStringLiteral("You want your board rotated, right? It's Gyrock, after all."),
        .buttons = Yes | No};
    startPausedGame();
    game().score = 123;
    w().askToRestart();
    EXPECT_EQ(answer(No), sure);
    EXPECT_TRUE(game().paused && f().labelp->isVisible() && game().score == 123);
    w().askToRestart();
    std::vector<SeenBox> boxes;
    for (QMessageBox::StandardButton button : {Yes, No, Ok}) {
        EXPECT_TRUE(game().score == 123 && !f().frameng->isVisible())
            << "the new game starts only after the last answer";
        if (auto shown = answer(button)) boxes.push_back(*shown);
    }
    EXPECT_EQ(boxes, (std::vector{sure, rotated, kStakkoBox}));
    EXPECT_EQ(frontMessageBox(), nullptr);
    EXPECT_TRUE(f().opt_stakko->isChecked());
    EXPECT_EQ(game().score, 0);
    EXPECT_FALSE(game().paused || f().labelp->isVisible() || f().frameng->isVisible());
}

// A question up over a running game: Qt sees no modal window, yet clicks and
// keys on the window do nothing and the game waits where it is.
TEST_F(BoxUp, HoldsTheGameAndTheWindowWithoutBlockingIt) {
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    startGame();
    w().askToRestart();
    ASSERT_NE(frontMessageBox(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    const auto row = game().piecey;
    const auto since = w().host().tickCount();
    QTest::mouseClick(f().Command1, Qt::LeftButton);  // OPTIONS
    QTest::keyClick(&w(), 'p');
    QTest::keyPress(&w(), Qt::Key_Down);
    // Longer than a fall at level 1, on the game's own clock.
    EXPECT_TRUE(waitFor([&] { return w().host().tickCount() - since > 750; }));
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
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"a question", [&] { startGame(), w().askToRestart(); }},
        {"the Stakko message", [&] { f().opt_stakko->click(); }},
        {"the table", [&] { w().showHighScores(); }},
        {"the name entry", [&] { w().scoresWindow().showNameEntry(); }},
        {"the congratulation", [&] { w().host().showEndGame(Victory::Turning); }},
        {"the clearing effect",
         [&] {
             startGame();
             for (int x = kWellLeft; x <= kWellRight; ++x) game().board(x, 29) = 1;
             game().clearLines();
         }},
        {"the turn back", [&] { startGame(), game().angle = 90, game().turnBack(); }},
        {"a paused game", [&] { startPausedGame(); }},
    };
    for (const auto& [what, bringUp] : rows) {
        SCOPED_TRACE(what);
        open("0\r\n1\r\n0\r\n1\r\n");
        bringUp();
        int unloads = 0;
        QObject::connect(&w(), &MainWindow::unloaded, [&] { ++unloads; });
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            w().windowHandle());
        EXPECT_EQ(unloads, 1);
        for (QWidget* widget : QApplication::topLevelWidgets())
            EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
        EXPECT_EQ(folder_->read("prefs.txt"), "0\r\n1\r\n0\r\n1\r\n");
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
