// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The hall-of-fame pop-up `scores`: the table of the ten best, and over it
// the name entry. Which of the two shows is recorded only by whether Frame1
// is visible. Made once and afterwards only hidden and shown; the main
// window takes no input while it is up.

#include <QDialog>
#include <memory>

#include "halloffame/scores_host.h"
#include "halloffame/table.h"

class QLabel;

namespace Ui {
class scores;
}

namespace gyrock {

class ScoresWindow : public QDialog {
    Q_OBJECT

  public:
    ScoresWindow(HallOfFame& table, ScoresHost& host, QWidget* parent = nullptr);
    ~ScoresWindow() override;

    // Row r from the top shows rank r + 1 with entry 9 - r.
    void refreshLabels();
    // The part of HIGH SCORES after the game is paused: the table.
    void showTableView();
    // The name entry; the text box keeps its last text.
    void showNameEntry();
    // After a game: the name entry when the score beats some entry.
    void checkHallOfFame();

    // "OK": enters the name, or closes the table and maybe resumes the game.
    void confirm();

    Ui::scores& form() { return *ui_; }
    QLabel* nameLabel(int row) const;
    QLabel* scoreLabel(int row) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  public slots:
    // Escape must not close the window behind the OK rules' back.
    void reject() override {}

  private:
    void showInFront();

    std::unique_ptr<Ui::scores> ui_;
    HallOfFame& table_;
    ScoresHost& host_;
};

}  // namespace gyrock
