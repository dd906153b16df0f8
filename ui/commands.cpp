// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// What the buttons, option buttons and check boxes do.
#include <QMessageBox>

#include "storage/prefs_format.h"
#include "ui/check_value.h"
#include "ui/main_window.h"
#include "ui/title.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

// labelp is the PAUSED label, frameng the Game Mode frame, opts and framehelp
// the options and help panels, opt_remainp "Remain paused when submenus close".
bool MainWindow::gameInProgress() { return !host_.newGameButtonVisible(); }

QMessageBox* MainWindow::openBox(QMessageBox::Icon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(icon, programName(), text, buttons, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Not modal in Qt's sense: the guard holds the window instead, so a
    // close from the window system still reaches it.
    box->setWindowModality(Qt::NonModal);
    boxes_.watch(box);
    box->show();
    return box;
}

void MainWindow::askYesNo(const QString& text, std::function<void(bool)> answered) {
    QMessageBox* box = openBox(QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No);
    connect(box, &QMessageBox::finished, this, [box, answered = std::move(answered)] {
        answered(box->standardButton(box->clickedButton()) == QMessageBox::Yes);
    });
}

void MainWindow::tell(const QString& text, std::function<void()> then) {
    QMessageBox* box = openBox(QMessageBox::NoIcon, text, QMessageBox::Ok);
    if (then) connect(box, &QMessageBox::finished, this, std::move(then));
}

void MainWindow::startNewGame() {
    game_.newGame();
    host_.schedule();
}

void MainWindow::askToRestart() {
    askYesNo(tr("Are you sure you want to restart the game?"), [this](bool sure) {
        if (!sure) return;
        askYesNo(tr("You want your board rotated, right? It's Gyrock, after all."),
                 [this](bool turning) {
                     auto restart = [this] {
                         game_.paused = false;
                         ui_->labelp->hide();
                         startNewGame();
                     };
                     if (turning || ui_->opt_stakko->isChecked()) {
                         ui_->opt_gyrock->setChecked(turning);
                         restart();
                         return;
                     }
                     // Selecting Stakko shows its message; the new game starts once it is gone.
                     afterStakkoMessage_ = restart;
                     ui_->opt_stakko->setChecked(true);
                 });
    });
}

void MainWindow::pauseForPanel() {
    ui_->frameng->setEnabled(false);
    if (gameInProgress()) {
        ui_->labelp->show();
        game_.paused = true;
        host_.schedule();
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
    game_.paused = false;
    ui_->labelp->hide();
    game_.play();
    host_.schedule();
}

bool MainWindow::remainPaused() { return ticked(ui_->opt_remainp); }

void MainWindow::setGameModeFrameEnabled(bool enabled) { ui_->frameng->setEnabled(enabled); }

void MainWindow::openOptions() { openPanel(ui_->opts); }
void MainWindow::openHelp() { openPanel(ui_->framehelp); }
void MainWindow::closeOptions() { closePanel(ui_->opts); }
void MainWindow::closeHelp() { closePanel(ui_->framehelp); }

void MainWindow::musicOptionChanged() {
    if (ticked(ui_->opt_mus)) {
        game_.musicstream = host_.openMusic();
        host_.playMusicLooped(game_.musicstream);
    } else {
        host_.freeMusic(game_.musicstream);
    }
}

void MainWindow::stakkoChosen() {
    tell(tr("Yeah, go ahead and play Stakko, you chickenshit."), [this] {
        if (auto then = std::exchange(afterStakkoMessage_, {})) then();
    });
}

void MainWindow::characterTyped(int keyascii) {
    game_.keyPress(keyascii);
    host_.schedule();
}

}  // namespace gyrock::ui
