// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A check box whose caption wraps onto further lines when it is wider than
// the box, as the window's longest option needs in its narrow panel.

#include <QCheckBox>

namespace gyrock::ui {

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
    // Read by the layout checks: the caption fits when its wrapped lines do.
    Q_PROPERTY(bool wordWrap READ wordWrap CONSTANT)
  public:
    explicit WrappingCheckBox(QWidget* parent = nullptr);

    bool wordWrap() const { return true; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole box takes the click, also on the caption's second line.
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace gyrock::ui

// uic names the class without its namespace.
using gyrock::ui::WrappingCheckBox;
