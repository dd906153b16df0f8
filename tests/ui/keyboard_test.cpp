// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The keyboard as the player uses it: real key events sent to the focused
// control, auto-repeat, and the window losing the focus.

#include "ui/keyboard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

namespace gyrock::ui::testing {
namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    QWidget window;
    QLineEdit* control = new QLineEdit(&window);
    std::vector<int> typed;
    int arrowChanges = 0;
    Keyboard* keyboard = new Keyboard(
        &window, [this](int c) { typed.push_back(c); }, [this] { ++arrowChanges; });

    // The arrows held, as L, R, U and D.
    std::string held() const {
        std::string arrows;
        for (int a = 0; a < 4; ++a)
            if (keyboard->held(static_cast<Arrow>(a))) arrows += "LRUD"[a];
        return arrows;
    }
};

// Each key goes as the system delivers it (to the focused control, then on to
// its parents) to a control holding "ab" with the cursor after the a: pressed,
// auto-repeated once and released. Keys that another window's control gets
// are none of the game's.
TEST_F(KeyboardTest, ArrowsAreHeldUntilReleasedAndAPauseKeyReachesTheGameOnce) {
    QLineEdit elsewhere;
    struct Case {
        Qt::Key code;
        QString text;
        QLineEdit* to;
        std::string held;  // after the repeat's release
        std::vector<int> typed;
        QString shown;  // the control's text afterwards, | marking the cursor
    };
    const Case cases[] = {
        {Qt::Key_Left, "", control, "L", {}, "a|b"},
        {Qt::Key_Right, "", control, "R", {}, "a|b"},
        {Qt::Key_Up, "", control, "U", {}, "a|b"},
        {Qt::Key_Down, "", control, "D", {}, "a|b"},
        {Qt::Key_P, "p", control, "", {'p'}, "ap|b"},
        {Qt::Key_P, "P", control, "", {'P'}, "aP|b"},
        {Qt::Key_O, "o", control, "", {}, "aoo|b"},
        {Qt::Key_Space, " ", control, "", {}, "a  |b"},
        {Qt::Key_P, "p", &elsewhere, "", {}, "app|b"},
        {Qt::Key_Right, "", &elsewhere, "", {}, "ab|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        typed.clear();
        arrowChanges = 0;
        c.to->setText(QStringLiteral("ab"));
        c.to->setCursorPosition(1);
        const auto key = [&c](bool press, bool repeat) {
            QTest::simulateEvent(c.to, press, c.code, Qt::NoModifier, c.text, repeat);
        };
        key(true, false);
        key(false, true);
        EXPECT_EQ(held(), c.held);
        key(true, true);
        key(false, false);
        EXPECT_EQ(held(), "");
        EXPECT_EQ(typed, c.typed);
        // The game hears of an arrow's press and release, and of no repeat.
        EXPECT_EQ(arrowChanges, c.held.empty() ? 0 : 2);
        EXPECT_EQ(c.to->text().insert(c.to->cursorPosition(), u'|'), c.shown);
    }
}

TEST_F(KeyboardTest, LosingTheFocusForgetsTheHeldArrows) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyPress(control, Qt::Key_Left);
    QTest::keyPress(control, Qt::Key_Down);
    ASSERT_EQ(held(), "LD");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(held(), "");
    // Another program taking the keyboard does the same.
    QTest::keyPress(control, Qt::Key_Up);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(held(), "");
}

}  // namespace
}  // namespace gyrock::ui::testing
