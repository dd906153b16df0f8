// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "halloffame/scores_window.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QScreen>
#include <QShowEvent>

#include "ui_scores.h"
#include "widgets/fonts.h"
#include "widgets/placement.h"

namespace gyrock {

ScoresWindow::ScoresWindow(HallOfFame& table, ScoresHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      ui_(std::make_unique<Ui::scores>()),
      table_(table),
      host_(host) {
    ui_->setupUi(this);
    setFixedSize(size());
    widgets::applyFractionalPointSizes(this);
    // Frame1 is the name entry laid over the table, Text1 its name box, Command1 OK.
    ui_->Text1->setMaxLength(maxNameLength);
    // Tabbing into the name keeps it as it is, ready to be edited, instead
    // of selecting it for the next key to replace.
    ui_->Text1->installEventFilter(this);
    ui_->Command1->installEventFilter(this);
    connect(ui_->Command1, &QPushButton::clicked, this, &ScoresWindow::confirm);
}

ScoresWindow::~ScoresWindow() = default;

QLabel* ScoresWindow::nameLabel(int row) const {
    return findChild<QLabel*>(QStringLiteral("scname%1").arg(row));
}

QLabel* ScoresWindow::scoreLabel(int row) const {
    return findChild<QLabel*>(QStringLiteral("sc%1").arg(row));
}

void ScoresWindow::refreshLabels() {
    for (int k = 0; k < hallOfFameSize; ++k) {
        const int row = hallOfFameSize - 1 - k;
        nameLabel(row)->setText(QString::number(hallOfFameSize - k) + QStringLiteral(". ") +
                                QString::fromStdString(table_.hofname[k]));
        scoreLabel(row)->setText(QString::number(table_.hofscore[k]));
    }
}

void ScoresWindow::showTableView() {
    refreshLabels();
    ui_->Frame1->hide();
    showInFront();
}

void ScoresWindow::showNameEntry() {
    ui_->Frame1->show();
    showInFront();
}

void ScoresWindow::checkHallOfFame() {
    if (qualifies(table_, host_.currentScore())) showNameEntry();
}

void ScoresWindow::confirm() {
    host_.setGameModeFrameEnabled(true);
    if (!ui_->Frame1->isHidden()) {
        enterName(table_, host_.currentScore(), ui_->Text1->text().toStdString());
        host_.saveHallOfFame();
        refreshLabels();
        ui_->Frame1->hide();
        return;
    }
    hide();
    if (!host_.newGameButtonVisible() && !host_.remainPaused()) host_.resumeGame();
}

void ScoresWindow::showInFront() {
    widgets::centreOnScreen(this);
    show();
    raise();
    activateWindow();
}

void ScoresWindow::showEvent(QShowEvent* event) {
    // Every opening starts on OK, even after the player last clicked into the
    // name: set here, before Qt gives the window's focus widget the focus on
    // showing and activating it, however the window is shown.
    if (!event->spontaneous()) ui_->Command1->setFocus();
    QDialog::showEvent(event);
}

bool ScoresWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Command1 && event->type() == QEvent::KeyPress) {
        // The arrows the player still presses for the game as the window
        // opens would move the focus from OK into the name, where the next
        // key typed lands; the tab order alone leads there.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_Left && key <= Qt::Key_Down) return true;  // the four arrows
    }
    const auto reason = event->type() == QEvent::FocusIn
                            ? static_cast<QFocusEvent*>(event)->reason()
                            : Qt::OtherFocusReason;
    if (watched == ui_->Text1 &&
        (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
        // After the box's own handling, which selects all on a tab.
        QMetaObject::invokeMethod(
            ui_->Text1, [text = ui_->Text1] { text->deselect(); }, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void ScoresWindow::closeEvent(QCloseEvent* event) {
    // Only the program may close it; the player leaves through "OK".
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace gyrock
