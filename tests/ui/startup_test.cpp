// The main window as it first appears: caption, size, controls and options.
#include <QLabel>

#include "engine/game.h"
#include "tests/support/captions_fit.h"
#include "ui/endgame_window.h"
#include "ui/ui_endgame.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, CaptionNamesTheGameAndItsAuthor) {
    EXPECT_EQ(w().windowTitle(), QStringLiteral("GYROCK v1.00 by Kzoltner"));
}

TEST_F(StartUp, WindowHasAFixedSizeOf625By482) {
    EXPECT_EQ(w().size(), QSize(625, 482));
    EXPECT_EQ(w().minimumSize(), QSize(625, 482));
    EXPECT_EQ(w().maximumSize(), QSize(625, 482));
}

TEST_F(StartUp, NewGameButtonSitsInsideTheGameModeFrame) {
    EXPECT_EQ(f().Cmdstart->text(), QStringLiteral("NEW GAME"));
    EXPECT_EQ(f().Cmdstart->geometry(), QRect(32, 56, 105, 49));
    EXPECT_EQ(f().Cmdstart->parentWidget(), f().frameng);
    EXPECT_EQ(f().frameng->geometry(), QRect(152, 192, 177, 121));
    EXPECT_TRUE(f().frameng->isVisible());
    EXPECT_TRUE(f().frameng->isEnabled());
    EXPECT_TRUE(f().Cmdstart->isVisible());
}

TEST_F(StartUp, RestartIsDisabledBeforeAnyGame) { EXPECT_FALSE(f().cmdrestart->isEnabled()); }

TEST_F(StartUp, PanelsPauseAndGameOverLabelsAreHidden) {
    EXPECT_FALSE(f().opts->isVisible());
    EXPECT_FALSE(f().framehelp->isVisible());
    EXPECT_FALSE(f().labelp->isVisible());
    EXPECT_FALSE(f().gover->isVisible());
}

TEST_F(StartUp, GyrockModeIsSelectedAndStakkoIsNot) {
    EXPECT_TRUE(f().opt_gyrock->isChecked());
    EXPECT_FALSE(f().opt_stakko->isChecked());
}

TEST_F(StartUp, WithoutPreferencesMusicAndRemainPausedAreOnAntiAliasAndMonoOff) {
    EXPECT_TRUE(f().opt_mus->isChecked());
    EXPECT_TRUE(f().opt_remainp->isChecked());
    EXPECT_FALSE(f().opt_aa->isChecked());
    EXPECT_FALSE(f().opt_color->isChecked());
}

TEST_F(StartUp, HelpPanelHoldsAllEighteenLabels) {
    const char* texts[] = {"Game Keys :",
                           "Left/Right Arrow : Move left/right",
                           "Up key : Rotate",
                           "Down Key : Accelerate",
                           "P : Pause game",
                           "Levels:",
                           "Each level requires 15 lines.",
                           "Each level increases game speed.",
                           "Score adjustment :",
                           "1 line : +Level*1",
                           "2 lines : + Level*2",
                           "3 lines : +Level*3",
                           "4 lines : +Level*4",
                           "Other stuff :",
                           "Anti-aliasing is *very* slow. Turn it off if",
                           "your keyboard responds slowly. It's also",
                           "useless if you're playing the simple",
                           "\"Stakko\" mode."};
    for (int i = 0; i < 18; ++i) {
        const QString name = QStringLiteral("Label%1").arg(i + 5);
        auto* label = f().framehelp->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        EXPECT_EQ(label->text(), QString::fromUtf8(texts[i])) << name.toStdString();
    }
}

TEST_F(StartUp, DefaultsTurnMusicOnAntiAliasOffMonoOffRemainPausedOn) {
    f().opt_mus->setChecked(false);
    f().opt_aa->setChecked(true);
    f().opt_color->setChecked(true);
    f().opt_remainp->setChecked(false);
    w().Command5_Click();
    EXPECT_TRUE(f().opt_mus->isChecked());
    EXPECT_FALSE(f().opt_aa->isChecked());
    EXPECT_FALSE(f().opt_color->isChecked());
    EXPECT_TRUE(f().opt_remainp->isChecked());
}

// Every caption in the font it gets here, with the longest texts the game
// puts into its counters and its congratulation window.
TEST_F(StartUp, EveryCaptionFitsItsControl) {
    f().Label1->setText(QStringLiteral("Level : 30"));
    f().Label2->setText(QStringLiteral("Score : 999999"));
    f().Label4->setText(QStringLiteral("Lines : 450"));
    for (const std::string& clipped : gyrock::testing::clippedCaptions(&w())) ADD_FAILURE() << clipped;

    for (const char* text : {gyrock::kWinTextTurning, gyrock::kWinTextUpright}) {
        EndGameWindow endgame;
        endgame.setText(QString::fromUtf8(text));
        for (const std::string& clipped : gyrock::testing::clippedCaptions(&endgame)) ADD_FAILURE() << clipped;
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
