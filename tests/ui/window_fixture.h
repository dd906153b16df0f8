// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A fresh main window per test, with its own data folder, plus helpers that
// start and pause games and answer message boxes.

#include <QApplication>
#include <QTest>
#include <optional>

#include "app/music_path.h"
#include "tests/support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/ui_form1.h"

namespace gyrock::ui::testing {

struct SeenBox {
    QString text;
    QString title = QStringLiteral("gyrock");
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool operator==(const SeenBox&) const = default;
};

inline void PrintTo(const SeenBox& box, std::ostream* out) {
    *out << '"' << box.title.toStdString() << "\": \"" << box.text.toStdString() << "\" icon "
         << box.icon << " buttons " << box.buttons.toInt();
}

// The message box in front, if one is up.
inline QMessageBox* frontMessageBox() {
    QMessageBox* front = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) front = box;
    return front;
}

// Answers the box in front with button, giving what it showed (nothing when
// no box is up).
inline std::optional<SeenBox> answer(QMessageBox::StandardButton button) {
    QMessageBox* box = frontMessageBox();
    if (!box) return std::nullopt;
    const SeenBox shown{box->text(), box->windowTitle(), box->standardButtons(), box->icon()};
    box->button(button)->click();
    return shown;
}

// Lets the event loop run until done() holds; false after 10 s.
inline bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }
    void TearDown() override {
        if (window_) window_->close();
        window_.reset();
    }

    // A window in place of the last one, on a fresh data folder holding
    // prefs.txt with the text given, if any.
    void open(const std::string& prefs = {}) {
        TearDown();
        folder_.emplace();
        if (!prefs.empty()) folder_->write("prefs.txt", prefs);
        window_ = std::make_unique<MainWindow>(
            folder_->path(), app::musicFileFor(QCoreApplication::applicationDirPath()),
            padFolders_);
        ASSERT_TRUE(window_->startUp());
        window_->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    MainWindow& w() { return *window_; }
    Ui::form1& f() { return window_->form(); }
    Game& game() { return window_->game(); }

    // Starts a new game, as once the last one has ended.
    void startGame() {
        game().paused = false;
        w().startNewGame();
    }
    void startPausedGame() {
        startGame();
        w().characterTyped('p');
    }

    std::optional<TempFolder> folder_;
    PadFolders padFolders_{"/nonexistent/dev/input", "/nonexistent/sys/class/input"};
    std::unique_ptr<MainWindow> window_;
};

}  // namespace gyrock::ui::testing
