// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// endgame: the congratulation after a won game, borderless, in front of the
// main window until its button is clicked.

#include <QDialog>
#include <memory>

namespace Ui {
class endgame;
}

namespace gyrock::ui {

class EndGameWindow : public QDialog {
    Q_OBJECT
  public:
    explicit EndGameWindow(QWidget* parent = nullptr);
    ~EndGameWindow() override;

    Ui::endgame& form() { return *ui_; }
    void setText(const QString& text);
    // Centred on the screen; returns at once.
    void showCentred();

  public slots:
    // Only its button leads on: Escape would skip the hall of fame.
    void reject() override {}

  signals:
    void acknowledged();

  private:
    std::unique_ptr<Ui::endgame> ui_;
};

}  // namespace gyrock::ui
