// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/pad_input.h"

#include <QMessageBox>
#include <QPushButton>
#include <QSocketNotifier>

#include "ui/main_window.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {
namespace {

bool sameHeld(const pad::Reading& a, const pad::Reading& b) {
    return a.left == b.left && a.right == b.right && a.up == b.up && a.down == b.down;
}

// As the mouse would: a hidden button cannot be pressed, and click() does
// nothing to a greyed one.
void press(QAbstractButton* button) {
    if (button && button->isVisible()) button->click();
}

// What Enter would press in the box: its default button, or its only one.
QAbstractButton* defaultButtonOf(QWidget* box) {
    if (auto* question = qobject_cast<QMessageBox*>(box); question && question->defaultButton()) {
        return question->defaultButton();
    }
    QPushButton* only = nullptr;
    int shown = 0;
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        if (!button->isVisible()) continue;
        if (button->isDefault()) return button;
        only = button;
        ++shown;
    }
    return shown == 1 ? only : nullptr;
}

}  // namespace

PadInput::PadInput(MainWindow& window, const PadFolders& folders)
    : QObject(&window), window_(window), pads_(folders.devices, folders.inputClasses) {
    clock_.start();
    pollTimer_.setSingleShot(true);
    connect(&pollTimer_, &QTimer::timeout, this, &PadInput::poll);
    if (pads_.deviceWatch() >= 0) {
        auto* watch = new QSocketNotifier(pads_.deviceWatch(), QSocketNotifier::Read, this);
        connect(watch, &QSocketNotifier::activated, this, &PadInput::deviceFolderChanged);
    }
    // A pad plugged in before the start; the window is not built yet.
    if (pads_.listening()) pollTimer_.start(kWaitingMs);
}

PadInput::~PadInput() = default;

bool PadInput::held(Arrow arrow) const {
    switch (arrow) {
        case Arrow::Left:
            return held_.left;
        case Arrow::Right:
            return held_.right;
        case Arrow::Up:
            return held_.up;
        case Arrow::Down:
            return held_.down;
    }
    return false;
}

void PadInput::deviceFolderChanged() {
    pads_.deviceFolderChanged(static_cast<std::uint32_t>(clock_.elapsed()));
    poll();
}

void PadInput::poll() {
    if (!pads_.listening()) return;
    act(pads_.poll(static_cast<std::uint32_t>(clock_.elapsed())));
    rearm();
}

void PadInput::rearm() {
    if (!pads_.listening()) {
        pollTimer_.stop();
        return;
    }
    // Restarted on every read, so while the game wakes often enough on its
    // own (a turning board, a held arrow) this timer never fires.
    const Game& game = window_.game();
    pollTimer_.start(game.running() && !game.paused ? kPlayingMs : kWaitingMs);
}

void PadInput::act(const pad::Reading& reading) {
    if (!sameHeld(reading, held_)) {
        held_ = reading;
        window_.game().keysChanged();
        window_.host().schedule();
    }
    // The player may have gone with the pad: the game waits for them, as
    // console games do.
    const bool inGame = !window_.host().newGameButtonVisible();
    if (reading.padRemoved && inGame && !window_.game().paused) {
        window_.characterTyped('p');
        return;
    }
    pressButtons(reading);
}

void PadInput::pressButtons(const pad::Reading& reading) {
    if (QWidget* box = window_.frontBox()) {
        // Start does nothing here, as P does nothing past a box.
        auto* question = qobject_cast<QMessageBox*>(box);
        if (reading.southPressed) {
            press(defaultButtonOf(box));
        } else if (reading.eastPressed && question) {
            press(question->button(QMessageBox::No));
        }
        return;
    }
    if (window_.host().newGameButtonVisible()) {
        if ((reading.startPressed || reading.southPressed) && !window_.isMinimized()) {
            press(window_.form().Cmdstart);
        }
    } else if (reading.startPressed) {
        window_.characterTyped('p');
    }
}

}  // namespace gyrock::ui
