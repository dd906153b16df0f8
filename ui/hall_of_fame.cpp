// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The window's side of the two data files and the hall of fame.
#include <QMessageBox>
#include <cstdio>

#include "halloffame/scores_window.h"
#include "ui/check_value.h"
#include "ui/main_window.h"
#include "ui/title.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

void MainWindow::saveHallOfFame() {
    if (!files_.saveHallOfFame()) warnNotSaved({QString::fromUtf8(scoresFileName)});
}

void MainWindow::warnNotSaved(const QStringList& files) {
    const QString text = files_.notSavedText(files);
    // Also where a session's log keeps it: after a signal nobody may be
    // there to read a box, and the program ends regardless.
    std::fprintf(stderr, "gyrock: %s\n", qUtf8Printable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    if (quietClose_) return;
    QMessageBox box(QMessageBox::Warning, programName(), text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::showPreferences(const Prefs& prefs) {
    // In this order; each change runs that box's own behaviour (only Music
    // has one, and clearing it frees a stream that does not exist yet).
    setCheckValue(ui_->opt_aa, prefs.opt_aa);
    setCheckValue(ui_->opt_mus, prefs.opt_mus);
    setCheckValue(ui_->opt_remainp, prefs.opt_remainp);
    setCheckValue(ui_->opt_color, prefs.opt_color);
}

Prefs MainWindow::preferences() const {
    Prefs prefs;
    prefs.opt_mus = checkValue(ui_->opt_mus);
    prefs.opt_aa = checkValue(ui_->opt_aa);
    prefs.opt_color = checkValue(ui_->opt_color);
    prefs.opt_remainp = checkValue(ui_->opt_remainp);
    return prefs;
}

void MainWindow::checkHallOfFame() {
    if (host_.closing()) return;
    scoresWindow().checkHallOfFame();
}

void MainWindow::showHighScores() {
    if (host_.closing()) return;
    scoresWindow().showTableView();
}

ScoresWindow& MainWindow::scoresWindow() {
    // Made on first use, afterwards only hidden and shown.
    if (!scores_) scores_ = std::make_unique<ScoresWindow>(files_.hallOfFame(), *this, this);
    return *scores_;
}

}  // namespace gyrock::ui
