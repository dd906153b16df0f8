// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The main window as it first appears, and a start without sound.
#include "engine/game.h"
#include "tests/support/captions_fit.h"
#include "ui/endgame_window.h"
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using StartUp = WindowTest;

// Every caption in the font it gets here, with the longest texts the game
// puts into its counters and its congratulation window.
TEST_F(StartUp, EveryCaptionFitsItsControl) {
    f().Label1->setText(QStringLiteral("Level : 30"));
    f().Label2->setText(QStringLiteral("Score : 999999"));
    f().Label4->setText(QStringLiteral("Lines : 450"));
    for (const std::string& clipped : gyrock::testing::clippedCaptions(&w())) ADD_FAILURE() << clipped;

    for (const Victory victory : {Victory::Turning, Victory::Upright}) {
        w().host().showEndGame(victory);
        EndGameWindow* endgame = w().congratulationWindow();
        ASSERT_NE(endgame, nullptr);
        for (const std::string& clipped : gyrock::testing::clippedCaptions(endgame)) ADD_FAILURE() << clipped;
        endgame->hide();
    }
}

TEST(StartUpWithoutSound, TellsThePlayerWhyAndGoesNoFurther) {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no_such_driver");
    MainWindow window(std::filesystem::temp_directory_path() / "gyrock_ui_no_sound", {});
    auto answerer = answerBoxes(&window, {QMessageBox::Ok});
    EXPECT_FALSE(window.startUp());
    qputenv("SDL_AUDIODRIVER", driver);
    const SeenBox shown{QStringLiteral("Can't initialize digital sound system\r\n(error code: 1)"),
                        QStringLiteral("Error"), QMessageBox::Warning, QMessageBox::Ok};
    EXPECT_EQ(answerer->seen, std::vector{shown});
}

}  // namespace
}  // namespace gyrock::ui::testing
