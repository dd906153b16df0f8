// The window's side of the two data files and the hall of fame.
#include <QMessageBox>
#include <cstdio>

#include "halloffame/scores_window.h"
#include "ui/check_value.h"
#include "ui/main_window.h"
#include "ui/title.h"
#include "ui/ui_form1.h"

namespace gyrock::ui {

void MainWindow::loadHallOfFame() { scoresFile("load", dataFolder_, hallOfFame_, scoresState_); }

bool MainWindow::writeHallOfFame() {
    return scoresFile("save", dataFolder_, hallOfFame_, scoresState_);
}

// Saved at once, so a crash or a killed session never loses a new entry.
void MainWindow::saveHallOfFame() {
    if (!writeHallOfFame()) warnNotSaved({QStringLiteral("scores.txt")});
}

void MainWindow::warnNotSaved(const QStringList& files) {
    QStringList paths;
    for (const QString& file : files) paths << QString::fromStdString((dataFolder_ / file.toStdString()).string());
    const QString text = QStringLiteral("Could not save %1.\r\nCheck that the folder can be written to.")
                             .arg(paths.join(QStringLiteral(" and ")));
    // Also where a session's log keeps it: after a signal nobody may be
    // there to read a box, and the program ends regardless.
    std::fprintf(stderr, "gyrock: %s\n", qUtf8Printable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    if (quietClose_) return;
    QMessageBox box(QMessageBox::Warning, programName(), text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::loadPreferences() {
    Prefs prefs;
    prefsFile("load", dataFolder_, prefs, prefsState_);
    // In this order; each change runs that box's own behaviour (only Music
    // has one, and clearing it frees a stream that does not exist yet).
    setCheckValue(ui_->opt_aa, prefs.opt_aa);
    setCheckValue(ui_->opt_mus, prefs.opt_mus);
    setCheckValue(ui_->opt_remainp, prefs.opt_remainp);
    setCheckValue(ui_->opt_color, prefs.opt_color);
}

bool MainWindow::savePreferences() {
    Prefs prefs;
    prefs.opt_mus = checkValue(ui_->opt_mus);
    prefs.opt_aa = checkValue(ui_->opt_aa);
    prefs.opt_color = checkValue(ui_->opt_color);
    prefs.opt_remainp = checkValue(ui_->opt_remainp);
    return prefsFile("save", dataFolder_, prefs, prefsState_);
}

void MainWindow::checkHallOfFame() {
    if (closing_) return;
    scoresWindow().checkHallOfFame();
}

void MainWindow::showHighScores() {
    if (closing_) return;
    scoresWindow().showTableView();
}

ScoresWindow& MainWindow::scoresWindow() {
    // Made on first use, afterwards only hidden and shown.
    if (!scores_) scores_ = std::make_unique<ScoresWindow>(hallOfFame_, *this, this);
    return *scores_;
}

}  // namespace gyrock::ui
