// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// endgame: the congratulation after a won game, borderless and modal.

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
    // Centred on the screen, then modal until hidden again.
    void showModal();

signals:
    void anyTimeClicked();

private:
    std::unique_ptr<Ui::endgame> ui_;
};

}  // namespace gyrock::ui
