// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// What the keyboard tells the game: the held state of the four arrows, and
// the pause key, taken before the focused control sees it.

#include <QObject>
#include <array>
#include <functional>

#include "engine/host.h"

class QKeyEvent;
class QWidget;

namespace gyrock::ui {

class Keyboard : public QObject {
    Q_OBJECT
  public:
    // Watches every key event for widgets inside window; a typed pause key
    // goes to onCharacter, once per press, and every change of an arrow's
    // state to onArrows. Other characters reach the controls as usual.
    Keyboard(QWidget* window, std::function<void(int)> onCharacter, std::function<void()> onArrows);
    ~Keyboard() override;

    bool held(Arrow key) const { return held_[static_cast<int>(key)]; }
    void releaseAll();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool belongsToWindow(QObject* watched) const;
    bool handleKey(QKeyEvent* key, bool pressed);

    QWidget* window_;
    std::function<void(int)> onCharacter_;
    std::function<void()> onArrows_;
    std::array<bool, 4> held_{};
};

}  // namespace gyrock::ui
