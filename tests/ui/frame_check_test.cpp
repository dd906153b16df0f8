// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The window's frame check: what its repaints put on the window, held against
// a full redraw after every frame.
#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using FrameCheckMode = WindowTest;

// Frames of every kind the game makes, driven through the window's own calls.
void playFrames(MainWindow& window, Ui::form1& form, Game& game) {
    for (int step = 0; step < 40; ++step) {
        game.angle = 30 + 2 * (step / 4);      // turns a step every fourth frame
        game.piecex = static_cast<std::int16_t>(6 + step % 3);
        if (step == 10) form.opt_aa->setChecked(true);
        if (step == 20) form.opt_color->setChecked(true);
        if (step == 25) game.board(7, 29) = 5;
        window.host().drawBoard();
    }
    for (int x = kWellLeft; x <= kWellRight; ++x) window.host().markClearedCell(x, 29);
    window.host().drawBoard();
    window.repaint();  // an expose of the whole window
    game.angle = 16;
    game.turnBack();
    EXPECT_TRUE(waitFor([&] { return !game.running(); }));
    window.host().clearWindowDrawing();
    window.host().drawBoard();
}

TEST_F(FrameCheckMode, EveryFrameOnTheWindowMatchesAFullRedraw) {
    w().host().checkFrames();
    startPausedGame();
    playFrames(w(), f(), game());
    ASSERT_NE(w().host().frameCheck(), nullptr);
    EXPECT_GT(w().host().frameCheck()->frames(), 60);
    EXPECT_EQ(w().host().frameCheck()->differingFrames(), 0) << w().host().frameCheck()->differingPixels() << " pixels";
}

TEST_F(FrameCheckMode, ARepaintShortOfTheChangeIsCaught) {
    w().host().checkFrames();
    startPausedGame();
    w().host().shrinkRepaintsForTesting(4);
    playFrames(w(), f(), game());
    EXPECT_GT(w().host().frameCheck()->differingFrames(), 10);
}

}  // namespace
}  // namespace gyrock::ui::testing
