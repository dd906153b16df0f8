// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// What the buttons, option buttons and check boxes do.
#include <QMessageBox>

#include "halloffame/prefs_format.h"
#include "ui/check_value.h"
#include "ui/main_window.h"
#include "ui/title.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

bool MainWindow::gameInProgress() { return !host_.newGameButtonVisible(); }

bool MainWindow::askYesNo(const QString& text) {
    if (host_.closing()) return false;
    QMessageBox box(QMessageBox::NoIcon, programName(), text, QMessageBox::Yes | QMessageBox::No, this);
    const int answer = box.exec();
    return answer == QMessageBox::Yes && !host_.closing();
}

void MainWindow::tell(const QString& text) {
    if (host_.closing()) return;
    QMessageBox box(QMessageBox::NoIcon, programName(), text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::Cmdstart_Click() {
    if (host_.closing()) return;
    game_.newGame();
}

void MainWindow::cmdrestart_Click() {
    if (!askYesNo(QStringLiteral("Are you sure you want to restart the game?"))) return;
    const bool turning = askYesNo(QStringLiteral("You want your board rotated, right? It's Gyrock, after all."));
    if (host_.closing()) return;
    // Selecting Stakko here shows its message before the new game starts.
    if (turning) {
        ui_->opt_gyrock->setChecked(true);
    } else {
        ui_->opt_stakko->setChecked(true);
    }
    if (host_.closing()) return;
    game_.paused = kFalse;
    ui_->labelp->hide();
    Cmdstart_Click();
}

void MainWindow::pauseForPanel() {
    ui_->frameng->setEnabled(false);
    if (gameInProgress()) {
        ui_->labelp->show();
        game_.paused = kTrue;
    }
}

void MainWindow::openPanel(QWidget* panel) {
    panel->show();
    pauseForPanel();
}

void MainWindow::closePanel(QWidget* panel) {
    panel->hide();
    ui_->frameng->setEnabled(true);
    // Whoever paused the game, a panel closing resumes it unless the player
    // asked to stay paused.
    if (!remainPaused() && gameInProgress()) resumeGame();
}

void MainWindow::resumeGame() {
    if (host_.closing()) return;
    game_.paused = kFalse;
    ui_->labelp->hide();
    game_.gameLoop();
}

bool MainWindow::remainPaused() { return ticked(ui_->opt_remainp); }

void MainWindow::setGameModeFrameEnabled(bool enabled) { ui_->frameng->setEnabled(enabled); }

void MainWindow::Command1_Click() { openPanel(ui_->opts); }
void MainWindow::Command3_Click() { openPanel(ui_->framehelp); }
void MainWindow::Command4_Click() { closePanel(ui_->opts); }
void MainWindow::Command6_Click() { closePanel(ui_->framehelp); }

void MainWindow::Command2_Click() {
    pauseForPanel();
    showHighScores();
}

void MainWindow::Command5_Click() {
    const Prefs defaults;
    setCheckValue(ui_->opt_mus, defaults.opt_mus);
    setCheckValue(ui_->opt_aa, defaults.opt_aa);
    setCheckValue(ui_->opt_color, defaults.opt_color);
    setCheckValue(ui_->opt_remainp, defaults.opt_remainp);
}

void MainWindow::opt_mus_Click() {
    if (ticked(ui_->opt_mus)) {
        game_.musicstream = host_.openMusic();
        host_.playMusicLooped(game_.musicstream);
    } else {
        host_.freeMusic(game_.musicstream);
    }
}

void MainWindow::opt_stakko_Click() { tell(QStringLiteral("Yeah, go ahead and play Stakko, you chickenshit.")); }

void MainWindow::Form_KeyPress(int keyascii) {
    if (host_.closing()) return;
    game_.keyPress(keyascii);
}

}  // namespace gyrock::ui
