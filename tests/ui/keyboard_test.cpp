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
#include <tuple>

namespace gyrock::ui::testing {
namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    QWidget window;
    QLineEdit* control = new QLineEdit(&window);
    std::string typed;
    int arrowChanges = 0;
    Keyboard* keyboard = new Keyboard(
        &window, [this](int c) { typed += static_cast<char>(c); }, [this] { ++arrowChanges; });

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
// auto-repeated once (a release and a press) and released. Keys that another
// window's control gets are none of the game's.
TEST_F(KeyboardTest, ArrowsAreHeldUntilReleasedAndAPauseKeyReachesTheGameOnce) {
    QLineEdit elsewhere;
    // The key, its text, where it goes, the arrows held after the repeat's
    // release, the characters the game got, and the control's text
    // afterwards with | at the cursor.
    const std::tuple<Qt::Key, const char*, QLineEdit*, const char*, const char*, const char*>
        cases[] = {
            {Qt::Key_Left, "", control, "L", "", "a|b"},
            {Qt::Key_Right, "", control, "R", "", "a|b"},
            {Qt::Key_Up, "", control, "U", "", "a|b"},
            {Qt::Key_Down, "", control, "D", "", "a|b"},
            {Qt::Key_P, "p", control, "", "p", "ap|b"},
            {Qt::Key_P, "P", control, "", "P", "aP|b"},
            {Qt::Key_O, "o", control, "", "", "aoo|b"},
            {Qt::Key_Space, " ", control, "", "", "a  |b"},
            {Qt::Key_P, "p", &elsewhere, "", "", "app|b"},
            {Qt::Key_Right, "", &elsewhere, "", "", "ab|"},
        };
    for (const auto& [code, text, to, arrows, characters, shown] : cases) {
        SCOPED_TRACE(::testing::Message() << code << (to == control ? "" : " elsewhere"));
        typed.clear();
        arrowChanges = 0;
        to->setText(QStringLiteral("ab"));
        to->setCursorPosition(1);
        QTest::simulateEvent(to, true, code, Qt::NoModifier, text, false);
        QTest::simulateEvent(to, false, code, Qt::NoModifier, text, true);
        EXPECT_EQ(held(), arrows);
        QTest::simulateEvent(to, true, code, Qt::NoModifier, text, true);
        QTest::simulateEvent(to, false, code, Qt::NoModifier, text, false);
        EXPECT_EQ(held(), "");
        EXPECT_EQ(typed, characters);
        // The game hears of an arrow's press and release, and of no repeat.
        EXPECT_EQ(arrowChanges, *arrows ? 2 : 0);
        EXPECT_EQ(to->text().insert(to->cursorPosition(), u'|'), shown);
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
