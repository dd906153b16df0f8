// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The window's side of the two data files and the hall of fame.
#include <QMessageBox>
#include <array>
#include <cstdio>

#include "halloffame/scores_window.h"
#include "ui/check_value.h"
#include "ui/endgame_window.h"
#include "ui/main_window.h"
#include "ui/title.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

void MainWindow::saveHallOfFame() {
    if (!files_.saveHallOfFame()) warnNotSaved({scoresFileName});
}

void MainWindow::warnNotSaved(const std::vector<std::string>& files, std::function<void()> then) {
    QStringList paths;
    for (const std::string& file : files)
        paths << QString::fromStdString((files_.folder() / file).string());
    const QString text = tr("Could not save %1.\r\nCheck that the folder can be written to.")
                             .arg(paths.join(tr(" and ")));
    // Also where a session's log keeps it: after a signal nobody may be
    // there to read a box, and the program ends regardless.
    std::fprintf(
        stderr, "gyrock: %s\n",
        qUtf8Printable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    if (quietClose_) {
        if (then) then();
        return;
    }
    QMessageBox* box = openBox(QMessageBox::Warning, text, QMessageBox::Ok);
    if (!then) return;
    // A notice of the close itself: closing the boxes ends it, and the program with it.
    box->setProperty("shutdown", true);
    connect(box, &QMessageBox::finished, this, std::move(then));
}

namespace {

// The four option boxes and the values of the options file they show, in the
// order start-up sets them: only Music's box does anything on a change.
struct OptionBox {
    QCheckBox* box;
    std::int16_t Prefs::*value;
};
std::array<OptionBox, 4> optionBoxes(const Ui::form1& form) {
    return {{{form.opt_aa, &Prefs::opt_aa},
             {form.opt_mus, &Prefs::opt_mus},
             {form.opt_remainp, &Prefs::opt_remainp},
             {form.opt_color, &Prefs::opt_color}}};
}

}  // namespace

void MainWindow::showPreferences(const Prefs& prefs) {
    for (const OptionBox& option : optionBoxes(*ui_))
        setCheckValue(option.box, prefs.*option.value);
}

Prefs MainWindow::preferences() const {
    Prefs prefs;
    for (const OptionBox& option : optionBoxes(*ui_)) prefs.*option.value = checkValue(option.box);
    return prefs;
}

void MainWindow::restoreDefaultOptions() { showPreferences(Prefs{}); }

void MainWindow::leaveGreyedOnClicks() {
    for (const OptionBox& option : optionBoxes(*ui_)) leaveGreyedOnClick(option.box);
}

void MainWindow::checkHallOfFame() { scoresWindow().checkHallOfFame(); }

void MainWindow::showHighScores() {
    pauseForPanel();
    scoresWindow().showTableView();
}

void MainWindow::showVictory(Victory victory) {
    // Made on first use, afterwards only hidden and shown.
    if (!endgame_) {
        endgame_ = std::make_unique<EndGameWindow>(this);
        boxes_.watch(endgame_.get());
        connect(endgame_.get(), &EndGameWindow::acknowledged, this, [this] {
            endgame_->hide();
            checkHallOfFame();
        });
    }
    endgame_->setText(
        victory == Victory::Turning
            ? tr("Congratulations! You have managed to defeat a very difficult game! For "
                 "this achievement, you get a +1000 bonus to your score!")
            : tr("Congratulations! You have managed to defeat the Stakko version! Now play "
                 "the Gyrock version for a real challenge!"));
    endgame_->showCentred();
}

ScoresWindow& MainWindow::scoresWindow() {
    // Made on first use, afterwards only hidden and shown.
    if (!scores_) {
        scores_ = std::make_unique<ScoresWindow>(files_.hallOfFame(), *this, this);
        boxes_.watch(scores_.get());
    }
    return *scores_;
}

}  // namespace gyrock::ui
