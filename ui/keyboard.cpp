// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <optional>

#include "engine/game.h"

namespace gyrock::ui {
namespace {

std::optional<Arrow> arrowOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return Arrow::Left;
        case Qt::Key_Right:
            return Arrow::Right;
        case Qt::Key_Up:
            return Arrow::Up;
        case Qt::Key_Down:
            return Arrow::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

Keyboard::Keyboard(QWidget* window, std::function<void(int)> onCharacter,
                   std::function<void()> onArrows)
    : QObject(window),
      window_(window),
      onCharacter_(std::move(onCharacter)),
      onArrows_(std::move(onArrows)) {
    qApp->installEventFilter(this);
    // A key released while another application has the keyboard never
    // reaches us: forget everything rather than keep it held for ever.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) releaseAll();
            });
}

Keyboard::~Keyboard() { qApp->removeEventFilter(this); }

void Keyboard::releaseAll() {
    if (held_ == std::array<bool, 4>{}) return;
    held_ = {};
    onArrows_();
}

bool Keyboard::belongsToWindow(QObject* watched) const {
    if (!watched->isWidgetType()) return false;
    return static_cast<QWidget*>(watched)->window() == window_;
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!belongsToWindow(watched)) return false;
            return handleKey(static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
        case QEvent::WindowDeactivate:
            if (watched == window_) releaseAll();
            return false;
        default:
            return false;
    }
}

bool Keyboard::handleKey(QKeyEvent* key, bool pressed) {
    if (const auto arrow = arrowOf(key->key())) {
        // The same event reaches us once per widget it is offered to; setting
        // a state (never counting) makes that harmless. Auto-repeat changes
        // nothing: the key is simply still held.
        bool& held = held_[static_cast<int>(*arrow)];
        if (!key->isAutoRepeat() && held != pressed) {
            held = pressed;
            onArrows_();
        }
        // Arrows steer the piece only: they must not move the focus or
        // switch the mode buttons.
        return true;
    }
    if (!pressed || key->isAutoRepeat() || key->text().size() != 1) return false;
    const int character = key->text().at(0).unicode();
    if (!isPauseKey(character)) return false;
    // Handled here and swallowed, so that one press pauses exactly once.
    onCharacter_(character);
    return true;
}

}  // namespace gyrock::ui
