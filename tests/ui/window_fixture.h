// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A fresh main window per test, with its own data folder, plus helpers that
// stop the engine's loop and answer message boxes from timers.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

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
    std::vector<QMessageBox::StandardButton> answers;
    std::vector<SeenBox> seen;
};

inline void pollBoxes(QObject* context, std::shared_ptr<BoxAnswerer> answerer) {
    QTimer::singleShot(10, context, [context, answerer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            answerer->seen.push_back({box->text(), box->windowTitle(), box->icon(), box->standardButtons()});
            if (QAbstractButton* button = box->button(answerer->answers[answerer->seen.size() - 1])) button->click();
        }
        if (answerer->seen.size() < answerer->answers.size()) pollBoxes(context, answerer);
    });
}

inline std::shared_ptr<BoxAnswerer> answerBoxes(QObject* context, std::vector<QMessageBox::StandardButton> answers) {
    auto answerer = std::make_shared<BoxAnswerer>(BoxAnswerer{std::move(answers), {}});
    pollBoxes(context, answerer);
    return answerer;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { open(); }

    void TearDown() override {
        if (window_ && window_->isVisible()) window_->close();
        window_.reset();
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }

    // A window in place of the last one, on a fresh data folder holding
    // prefs.txt with the text given, if any.
    void open(const std::string& prefs = {}) {
        TearDown();
        static int counter = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  ("gyrock_ui_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        if (!prefs.empty()) std::ofstream(folder_ / "prefs.txt", std::ios::binary) << prefs;
        window_ = std::make_unique<MainWindow>(folder_);
        ASSERT_TRUE(window_->Form_Load());
        window_->showCentred();
    }

    // Closes the window, which saves, and gives what it wrote to prefs.txt.
    std::string savedPrefs() {
        window_->close();
        std::ifstream in(folder_ / "prefs.txt", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
        soon(20, [this] {
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
