// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The keyboard as the player uses it: real key events sent to the focused
// control, auto-repeat, and the window losing the focus.

#include "ui/keyboard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <vector>

namespace gyrock::ui::testing {
namespace {

const std::vector<bool> kNoneHeld(4, false);

class KeyboardTest : public ::testing::Test {
  protected:
    QWidget window;
    QLineEdit* control = new QLineEdit(QStringLiteral("ab"), &window);
    std::vector<int> typed;
    int arrowChanges = 0;
    Keyboard* keyboard = new Keyboard(
        &window, [this](int c) { typed.push_back(c); }, [this] { ++arrowChanges; });

    // As the system delivers it: to the focused control, then on to its parents.
    void key(bool press, Qt::Key code, const QString& text = {}, bool repeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* to = nullptr) {
        QTest::simulateEvent(to ? to : control, press, code, modifiers, text, repeat);
    }
    std::vector<bool> held() const {
        return {keyboard->held(Arrow::Left), keyboard->held(Arrow::Right),
                keyboard->held(Arrow::Up), keyboard->held(Arrow::Down)};
    }
};

TEST_F(KeyboardTest, AnArrowIsHeldFromPressToReleaseWhateverItsRepeats) {
    const std::pair<Qt::Key, Arrow> arrows[] = {{Qt::Key_Left, Arrow::Left},
                                                {Qt::Key_Right, Arrow::Right},
                                                {Qt::Key_Up, Arrow::Up},
                                                {Qt::Key_Down, Arrow::Down}};
    control->setCursorPosition(1);
    for (auto [code, arrow] : arrows) {
        std::vector<bool> only = kNoneHeld;
        only[static_cast<int>(arrow)] = true;
        key(true, code);
        EXPECT_EQ(held(), only) << code;
        for (int k = 0; k < 3; ++k) {  // auto-repeat: a release and a press each time
            key(false, code, {}, true);
            EXPECT_EQ(held(), only) << code;
            key(true, code, {}, true);
        }
        key(false, code);
        EXPECT_EQ(held(), kNoneHeld) << code;
    }
    // The game hears of each press and release, and of no repeat.
    EXPECT_EQ(arrowChanges, 8);
    // The arrows steer the piece only: the control never saw them.
    EXPECT_EQ(control->cursorPosition(), 1);
}

TEST_F(KeyboardTest, LosingTheFocusForgetsTheHeldArrows) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    key(true, Qt::Key_Left);
    key(true, Qt::Key_Down);
    ASSERT_TRUE(keyboard->held(Arrow::Left));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(held(), kNoneHeld);
    // Another program taking the keyboard does the same.
    key(true, Qt::Key_Up);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(held(), kNoneHeld);
}

// Keys that another window's control gets are none of the game's.
TEST_F(KeyboardTest, OnlyAPressedPauseKeyOfThisWindowReachesTheGameAndOnlyOnce) {
    QLineEdit elsewhere;
    struct Case {
        Qt::Key code;
        QString text;
        Qt::KeyboardModifiers modifiers;
        bool repeat;
        QLineEdit* to;
        std::vector<int> typed;
        QString controlText;  // what the control holds afterwards
    };
    const Case cases[] = {
        {Qt::Key_P, "p", Qt::NoModifier, false, control, {'p'}, "ab"},
        {Qt::Key_P, "P", Qt::ShiftModifier, false, control, {'P'}, "ab"},
        {Qt::Key_P, "p", Qt::NoModifier, true, control, {}, "abp"},
        {Qt::Key_O, "o", Qt::NoModifier, false, control, {}, "abo"},
        {Qt::Key_Space, " ", Qt::NoModifier, false, control, {}, "ab "},
        {Qt::Key_P, "p", Qt::NoModifier, false, &elsewhere, {}, "abp"},
        {Qt::Key_Left, "", Qt::NoModifier, false, &elsewhere, {}, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        typed.clear();
        c.to->setText(QStringLiteral("ab"));
        key(true, c.code, c.text, c.repeat, c.modifiers, c.to);
        EXPECT_EQ(held(), kNoneHeld);
        key(false, c.code, c.text, c.repeat, c.modifiers, c.to);
        EXPECT_EQ(typed, c.typed);
        EXPECT_EQ(c.to->text(), c.controlText);
    }
}

}  // namespace
}  // namespace gyrock::ui::testing
