// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A fresh main window per test, with its own empty data folder, plus helpers
// that stop the engine's loop and answer message boxes from timers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "ui/main_window.h"
#include "ui/ui_form1.h"

namespace gyrock::ui::testing {

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool operator==(const SeenBox&) const = default;
};

inline void PrintTo(const SeenBox& box, std::ostream* out) {
    *out << '"' << box.title.toStdString() << "\": \"" << box.text.toStdString() << "\" icon " << box.icon
         << " buttons " << box.buttons.toInt();
}

// Answers the next modal message boxes in order, recording each one.
struct BoxAnswerer {
    std::deque<QMessageBox::StandardButton> answers;
    std::vector<SeenBox> seen;
};

inline void pollBoxes(QObject* context, std::shared_ptr<BoxAnswerer> answerer) {
    QTimer::singleShot(10, context, [context, answerer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible() && !answerer->answers.empty()) {
            answerer->seen.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
            const QMessageBox::StandardButton answer = answerer->answers.front();
            answerer->answers.pop_front();
            if (QAbstractButton* button = box->button(answer)) button->click();
        }
        if (!answerer->answers.empty()) pollBoxes(context, answerer);
    });
}

inline std::shared_ptr<BoxAnswerer> answerBoxes(QObject* context,
                                                const std::vector<QMessageBox::StandardButton>& answers) {
    auto answerer = std::make_shared<BoxAnswerer>();
    answerer->answers.assign(answers.begin(), answers.end());
    pollBoxes(context, answerer);
    return answerer;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  ("gyrock_ui_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        window_ = std::make_unique<MainWindow>(folder_);
        ASSERT_TRUE(window_->Form_Load());
        window_->showCentred();
    }

    void TearDown() override {
        if (window_) window_->close();
        window_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    MainWindow& w() { return *window_; }
    Ui::form1& f() { return window_->form(); }
    Game& game() { return window_->game(); }

    // Runs action from the loop once it has been running for ms.
    void soon(int ms, std::function<void()> action) { QTimer::singleShot(ms, window_.get(), std::move(action)); }

    // Starts a new game, as once the last one has ended, and returns once a
    // typed p has stopped its loop.
    void startPausedGame() {
        game().paused = kFalse;
        soon(100, [this] { QTest::keyClick(window_.get(), 'p'); });
        w().Cmdstart_Click();
    }

    // Presses the pause key once a game runs with no modal window up.
    void pauseOnceRunning() {
        QTimer::singleShot(20, window_.get(), [this] {
            if (QApplication::activeModalWidget() == nullptr && game().paused == kFalse &&
                game().gameover == kFalse && !f().Cmdstart->isVisibleTo(window_.get())) {
                game().keyPress('p');
                return;
            }
            pauseOnceRunning();
        });
    }

    std::filesystem::path folder_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace gyrock::ui::testing
