// Playing: NEW GAME, the pause key, the panels, RESTART and the end of a game.
#include "halloffame/scores_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using NewGame = WindowTest;
using PauseKey = WindowTest;
using Panels = WindowTest;
using Restart = WindowTest;
using GameOver = WindowTest;

TEST_F(NewGame, CountersStartAtLevelOneScoreZeroLinesZero) {
    startPausedGame();
    EXPECT_EQ(f().Label1->text(), QStringLiteral("Level : 1"));
    EXPECT_EQ(f().Label2->text(), QStringLiteral("Score : 0"));
    EXPECT_EQ(f().Label4->text(), QStringLiteral("Lines : 0"));
    EXPECT_EQ(game().level, 1);
    EXPECT_EQ(game().score, 0);
    EXPECT_EQ(game().lines, 0);
}

TEST_F(NewGame, HidesGameModeFrameAndEnablesRestart) {
    startPausedGame();
    EXPECT_FALSE(f().frameng->isVisible());
    EXPECT_TRUE(f().cmdrestart->isEnabled());
    EXPECT_FALSE(f().gover->isVisible());
    EXPECT_EQ(game().gameover, kFalse);
}

TEST_F(NewGame, SelectingStakkoTellsThePlayerOff) {
    auto answerer = answerBoxes(&w(), {QMessageBox::Ok});
    // As the player does it: the option button takes the focus, then the click.
    f().opt_stakko->setFocus(Qt::MouseFocusReason);
    f().opt_stakko->click();
    ASSERT_EQ(answerer->seen.size(), 1u);
    EXPECT_EQ(answerer->seen[0].text, QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit."));
    EXPECT_EQ(answerer->seen[0].title, QStringLiteral("gyrock"));
    EXPECT_EQ(answerer->seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer->seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(f().opt_stakko->isChecked());
    EXPECT_FALSE(f().opt_gyrock->isChecked());
}

TEST_F(NewGame, WindowRegainingFocusAfterTheStakkoMessageKeepsStakko) {
    auto answerer = answerBoxes(&w(), {QMessageBox::Ok});
    // The focus stays on Gyrock (as after start-up); when the message box
    // closes, the window hands it back there, which is no choice of the player's.
    f().opt_gyrock->setFocus(Qt::OtherFocusReason);
    f().opt_stakko->click();
    ASSERT_EQ(answerer->seen.size(), 1u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f().opt_stakko->isChecked());
    EXPECT_FALSE(f().opt_gyrock->isChecked());
}

TEST_F(NewGame, StakkoBoardDrawsTheWallUpright) {
    auto answerer = answerBoxes(&w(), {QMessageBox::Ok});
    // As the player does it: the option button takes the focus, then the click.
    f().opt_stakko->setFocus(Qt::MouseFocusReason);
    f().opt_stakko->click();
    ASSERT_EQ(answerer->seen.size(), 1u);
    ASSERT_TRUE(f().opt_stakko->isChecked());
    startPausedGame();
    EXPECT_TRUE(f().opt_stakko->isChecked());
    EXPECT_EQ(game().angle, 0);
    const QImage& layer = w().drawingLayer();
    EXPECT_GT(layer.pixelColor(128, 48).alpha(), 0);
    EXPECT_EQ(layer.pixelColor(100, 48).alpha(), 0);
}

TEST_F(PauseKey, LowerCasePPausesAndShowsPaused) {
    startPausedGame();
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
}

TEST_F(PauseKey, UpperCasePResumesAPausedGame) {
    startPausedGame();
    Flag pausedWhileRunning = kTrue;
    bool labelShownWhileRunning = true;
    soon(100, [&] {
        pausedWhileRunning = game().paused;
        labelShownWhileRunning = f().labelp->isVisible();
        game().keyPress('p');
    });
    game().keyPress('P');
    EXPECT_EQ(pausedWhileRunning, kFalse);
    EXPECT_FALSE(labelShownWhileRunning);
    EXPECT_EQ(game().paused, kTrue);
}

TEST_F(PauseKey, OtherLettersNeitherPauseNorResume) {
    Flag afterOtherKeys = kTrue;
    soon(100, [&] {
        game().keyPress('a');
        game().keyPress('q');
        game().keyPress(' ');
        afterOtherKeys = game().paused;
        game().keyPress('p');
    });
    w().Cmdstart_Click();
    EXPECT_EQ(afterOtherKeys, kFalse);
    ASSERT_EQ(game().paused, kTrue);
    game().keyPress('x');
    game().keyPress('o');
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
}

TEST_F(PauseKey, DoesNothingBeforeAGame) {
    w().Form_KeyPress('p');
    EXPECT_EQ(game().paused, kFalse);
    EXPECT_FALSE(f().labelp->isVisible());
    w().Form_KeyPress('P');
    EXPECT_EQ(game().paused, kFalse);
    EXPECT_FALSE(f().labelp->isVisible());
}

TEST_F(Panels, OptionsDuringAGamePausesAndDisablesGameModeFrame) {
    soon(100, [this] { w().Command1_Click(); });
    w().Cmdstart_Click();
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
    EXPECT_TRUE(f().opts->isVisible());
    EXPECT_FALSE(f().frameng->isEnabled());
}

TEST_F(Panels, OkWithRemainPausedTickedStaysPaused) {
    soon(100, [this] { w().Command1_Click(); });
    w().Cmdstart_Click();
    ASSERT_TRUE(f().opt_remainp->isChecked());
    w().Command4_Click();
    EXPECT_FALSE(f().opts->isVisible());
    EXPECT_TRUE(f().frameng->isEnabled());
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
}

TEST_F(Panels, OkResumesOnlyWhenRemainPausedIsClear) {
    soon(100, [this] { w().Command1_Click(); });
    w().Cmdstart_Click();
    f().opt_remainp->setChecked(false);
    Flag pausedWhileRunning = kTrue;
    bool labelShownWhileRunning = true;
    bool loopRan = false;
    soon(100, [&] {
        loopRan = true;
        pausedWhileRunning = game().paused;
        labelShownWhileRunning = f().labelp->isVisible();
        game().keyPress('p');
    });
    w().Command4_Click();
    EXPECT_TRUE(loopRan);
    EXPECT_EQ(pausedWhileRunning, kFalse);
    EXPECT_FALSE(labelShownWhileRunning);
    EXPECT_FALSE(f().opts->isVisible());
    EXPECT_TRUE(f().frameng->isEnabled());
}

TEST_F(Panels, HelpOkResumesWhenRemainPausedIsClear) {
    soon(100, [this] { w().Command3_Click(); });
    w().Cmdstart_Click();
    EXPECT_TRUE(f().framehelp->isVisible());
    EXPECT_EQ(game().paused, kTrue);
    f().opt_remainp->setChecked(false);
    Flag pausedWhileRunning = kTrue;
    soon(100, [&] {
        pausedWhileRunning = game().paused;
        game().keyPress('p');
    });
    w().Command6_Click();
    EXPECT_EQ(pausedWhileRunning, kFalse);
    EXPECT_FALSE(f().framehelp->isVisible());
}

TEST_F(Panels, OpeningAndClosingWithoutAGameLeavesPausedHidden) {
    w().Command1_Click();
    EXPECT_TRUE(f().opts->isVisible());
    EXPECT_FALSE(f().frameng->isEnabled());
    EXPECT_FALSE(f().labelp->isVisible());
    EXPECT_EQ(game().paused, kFalse);
    w().Command4_Click();
    EXPECT_FALSE(f().opts->isVisible());
    EXPECT_TRUE(f().frameng->isEnabled());
    EXPECT_FALSE(f().labelp->isVisible());

    w().Command3_Click();
    EXPECT_TRUE(f().framehelp->isVisible());
    EXPECT_FALSE(f().labelp->isVisible());
    w().Command6_Click();
    EXPECT_FALSE(f().framehelp->isVisible());
    EXPECT_FALSE(f().labelp->isVisible());
    EXPECT_EQ(game().paused, kFalse);
}

TEST_F(Restart, NoToTheFirstQuestionLeavesThePausedGamePaused) {
    startPausedGame();
    game().score = 123;
    auto answerer = answerBoxes(&w(), {QMessageBox::No});
    w().cmdrestart_Click();
    ASSERT_EQ(answerer->seen.size(), 1u);
    EXPECT_EQ(answerer->seen[0].text, QStringLiteral("Are you sure you want to restart the game?"));
    EXPECT_EQ(answerer->seen[0].title, QStringLiteral("gyrock"));
    EXPECT_EQ(answerer->seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer->seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_TRUE(f().labelp->isVisible());
    EXPECT_EQ(game().score, 123);
    EXPECT_TRUE(f().opt_gyrock->isChecked());
}

TEST_F(Restart, YesThenNoStartsANewStakkoGame) {
    startPausedGame();
    game().score = 123;
    auto answerer = answerBoxes(&w(), {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok});
    pauseOnceRunning();
    w().cmdrestart_Click();
    ASSERT_EQ(answerer->seen.size(), 3u);
    EXPECT_EQ(answerer->seen[0].text, QStringLiteral("Are you sure you want to restart the game?"));
    EXPECT_EQ(answerer->seen[1].text,
              QStringLiteral("You want your board rotated, right? It's Gyrock, after all."));
    EXPECT_EQ(answerer->seen[2].text, QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit."));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(answerer->seen[i].title, QStringLiteral("gyrock"));
        EXPECT_EQ(answerer->seen[i].icon, QMessageBox::NoIcon);
        EXPECT_EQ(answerer->seen[i].buttons, QMessageBox::Yes | QMessageBox::No);
    }
    EXPECT_EQ(answerer->seen[2].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(f().opt_stakko->isChecked());
    EXPECT_EQ(game().score, 0);
    EXPECT_EQ(f().Label2->text(), QStringLiteral("Score : 0"));
    EXPECT_EQ(game().paused, kTrue);
    EXPECT_FALSE(f().frameng->isVisible());
}

TEST_F(Restart, YesThenYesStartsANewGyrockGameWithoutTheStakkoMessage) {
    startPausedGame();
    game().score = 123;
    auto answerer = answerBoxes(&w(), {QMessageBox::Yes, QMessageBox::Yes});
    pauseOnceRunning();
    w().cmdrestart_Click();
    ASSERT_EQ(answerer->seen.size(), 2u);
    EXPECT_TRUE(f().opt_gyrock->isChecked());
    EXPECT_EQ(game().score, 0);
    EXPECT_EQ(game().paused, kTrue);
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

TEST_F(GameOver, PauseKeyDoesNothingAfterTheGameEnds) {
    startPausedGame();
    for (int column = 9; column <= 10; ++column) {
        for (int row = 6; row <= 29; ++row) game().board(column, row) = 1;
    }
    game().keyPress('p');
    ASSERT_EQ(game().gameover, kTrue);
    const Flag before = game().paused;
    game().keyPress('p');
    EXPECT_EQ(game().paused, before);
}

}  // namespace
}  // namespace gyrock::ui::testing
