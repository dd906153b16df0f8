// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The window's frame check: what its repaints put on the window, held against
// a full redraw after every frame.
#include "diagnostics/frame_check.h"

#include <QPainter>

#include "window_fixture.h"

namespace gyrock::ui::testing {
namespace {

using FrameCheckMode = WindowTest;

// Frames of every kind the game makes, driven through the window's own calls.
TEST_F(FrameCheckMode, EveryFrameOnTheWindowMatchesAFullRedraw) {
    w().view().checkFrames();
    startPausedGame();
    for (int step = 0; step < 40; ++step) {
        game().angle = 30 + 2 * (step / 4);  // turns a step every fourth frame
        game().piecex = static_cast<std::int16_t>(6 + step % 3);
        if (step == 10) f().opt_aa->setChecked(true);
        if (step == 20) f().opt_color->setChecked(true);
        if (step == 25) game().board(7, 29) = 5;
        w().host().drawBoard();
    }
    for (int x = kWellLeft; x <= kWellRight; ++x) w().host().markClearedCell(x, 29);
    w().host().drawBoard();
    w().repaint();  // an expose of the whole window
    game().angle = 16;
    game().turnBack();
    EXPECT_TRUE(waitFor([&] { return !game().running(); }));
    w().host().clearWindowDrawing();
    w().host().drawBoard();
    const FrameCheck* check = w().view().frameCheck();
    ASSERT_NE(check, nullptr);
    EXPECT_GT(check->frames(), 60);
    EXPECT_EQ(check->differingFrames(), 0) << check->differingPixels() << " pixels";
}

// A repaint that stops short of a change leaves the old pixels on the window;
// the check sees them, at either density, and a repaint of the whole change
// settles it.
TEST(FrameCheck, ARepaintShortOfTheChangeIsCaught) {
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        FrameCheck check;
        QImage square(QSize(480, 480) * ratio, QImage::Format_RGB32);
        square.setDevicePixelRatio(ratio);
        square.fill(Qt::black);
        check.painted(QRegion(0, 0, 480, 480), square);
        QPainter(&square).fillRect(QRect(100, 100, 40, 40), Qt::white);
        check.painted(QRegion(104, 104, 32, 32), square);
        EXPECT_EQ(check.compare(square, {}), (40 * 40 - 32 * 32) * ratio * ratio);
        // Under an opaque control nobody sees it.
        EXPECT_EQ(check.compare(square, QRegion(90, 90, 60, 60)), 0);
        check.painted(QRegion(100, 100, 40, 40), square);
        EXPECT_EQ(check.compare(square, {}), 0);
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
