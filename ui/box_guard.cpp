// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/box_guard.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace gyrock::ui {

BoxGuard::BoxGuard(QWidget* window, std::function<void(bool)> onHeld)
    : QObject(window), window_(window), onHeld_(std::move(onHeld)) {
    // Installed after the keyboard's filter, so it sees key events first.
    qApp->installEventFilter(this);
}

BoxGuard::~BoxGuard() { qApp->removeEventFilter(this); }

void BoxGuard::watch(QWidget* box) {
    boxes_.emplace_back(box);
    connect(
        box, &QObject::destroyed, this, [this] { recount(); }, Qt::QueuedConnection);
    recount();
}

QWidget* BoxGuard::frontBox() const {
    // The latest shown is the one in front: a question asked from another
    // box's answer comes up over it.
    for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it) {
        if (*it && (*it)->isVisible()) return *it;
    }
    return nullptr;
}

bool BoxGuard::meantForWindow(QObject* watched) const {
    return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_;
}

bool BoxGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
            if (std::find(boxes_.begin(), boxes_.end(), watched) != boxes_.end()) recount();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Enter:
        case QEvent::HoverEnter:
        case QEvent::HoverMove: {
            if (!meantForWindow(watched)) return false;
            QWidget* box = frontBox();
            if (!box) return false;
            if (event->type() == QEvent::MouseButtonPress) {
                box->raise();
                box->activateWindow();
            }
            return true;
        }
        default:
            return false;
    }
}

void BoxGuard::recount() {
    boxes_.erase(std::remove(boxes_.begin(), boxes_.end(), nullptr), boxes_.end());
    const bool held = boxUp();
    if (held == held_) return;
    held_ = held;
    onHeld_(held);
}

}  // namespace gyrock::ui
