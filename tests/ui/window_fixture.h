// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A fresh main window per test, with its own data folder, plus helpers that
// start and pause games and answer message boxes.

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
#include <optional>

#include "app/music_path.h"
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
    *out << '"' << box.title.toStdString() << "\": \"" << box.text.toStdString() << "\" icon "
         << box.icon << " buttons " << box.buttons.toInt();
}

// The message box in front, if one is up.
inline QMessageBox* frontMessageBox() {
    QMessageBox* front = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) front = box;
    }
    return front;
}

inline SeenBox seen(const QMessageBox* box) {
    return {box->text(), box->windowTitle(), box->icon(), box->standardButtons()};
}

// Answers the box in front with button, giving what it showed (nothing when
// no box is up).
inline std::optional<SeenBox> answer(QMessageBox::StandardButton button) {
    QMessageBox* box = frontMessageBox();
    if (!box) return std::nullopt;
    const SeenBox shown = seen(box);
    box->button(button)->click();
    return shown;
}

// Answers boxes from the event loop, for the one that start-up shows before
// the window exists and waits on.
struct BoxAnswerer {
    std::vector<QMessageBox::StandardButton> answers;
    std::vector<SeenBox> seen;
};

inline void pollBoxes(QObject* context, std::shared_ptr<BoxAnswerer> answerer) {
    QTimer::singleShot(10, context, [context, answerer] {
        if (QMessageBox* box = frontMessageBox()) {
            answerer->seen.push_back(seen(box));
            if (QAbstractButton* button = box->button(answerer->answers[answerer->seen.size() - 1]))
                button->click();
        }
        if (answerer->seen.size() < answerer->answers.size()) pollBoxes(context, answerer);
    });
}

inline std::shared_ptr<BoxAnswerer> answerBoxes(QObject* context,
                                                std::vector<QMessageBox::StandardButton> answers) {
    auto answerer = std::make_shared<BoxAnswerer>(BoxAnswerer{std::move(answers), {}});
    pollBoxes(context, answerer);
    return answerer;
}

// Lets the event loop run until done() holds; false after 10 s.
inline bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

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
        window_ = std::make_unique<MainWindow>(
            folder_, app::musicFileFor(QCoreApplication::applicationDirPath()), padFolders_);
        ASSERT_TRUE(window_->startUp());
        window_->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
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

    // Starts a new game, as once the last one has ended, and pauses it at once.
    void startPausedGame() {
        game().paused = false;
        w().startNewGame();
        w().characterTyped('p');
    }

    std::filesystem::path folder_;
    PadFolders padFolders_{"/nonexistent/dev/input", "/nonexistent/sys/class/input"};
    std::unique_ptr<MainWindow> window_;
};

}  // namespace gyrock::ui::testing
