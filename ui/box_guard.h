// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Keeps the main window as a modal box would, without a modal box: while a
// watched box is up, clicks and keys meant for the window are dropped, and
// a click on it brings the box back to the front. Qt itself never sees the
// window blocked, so a close from the window system always reaches it.

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QWidget;

namespace gyrock::ui {

class BoxGuard : public QObject {
    Q_OBJECT
  public:
    // onHeld hears true when the first box comes up and false when the last goes.
    BoxGuard(QWidget* window, std::function<void(bool)> onHeld);
    ~BoxGuard() override;

    // Guards the window while box is shown, from now on.
    void watch(QWidget* box);
    // The box in front, or none.
    QWidget* frontBox() const;
    bool boxUp() const { return frontBox() != nullptr; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool meantForWindow(QObject* watched) const;
    void recount();

    QWidget* window_;
    std::function<void(bool)> onHeld_;
    std::vector<QPointer<QWidget>> boxes_;
    bool held_ = false;
};

}  // namespace gyrock::ui
