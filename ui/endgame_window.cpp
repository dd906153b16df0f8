// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/endgame_window.h"

#include "ui/ui_endgame.h"
#include "widgets/fonts.h"
#include "widgets/placement.h"

namespace gyrock::ui {

EndGameWindow::EndGameWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui_(std::make_unique<Ui::endgame>()) {
    ui_->setupUi(this);
    widgets::applyFractionalPointSizes(this);
    setFixedSize(size());
    connect(ui_->Command1, &QPushButton::clicked, this, &EndGameWindow::acknowledged);
}

EndGameWindow::~EndGameWindow() = default;

void EndGameWindow::setText(const QString& text) { ui_->Label1->setText(text); }

void EndGameWindow::showCentred() {
    widgets::centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

}  // namespace gyrock::ui
