// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// nextpic2: shows the full-size preview picture shrunk into its own rectangle.

#include <QImage>
#include <QWidget>

namespace gyrock::ui {

class PreviewBox : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewBox(QWidget* parent = nullptr);

    // The picture is drawn scaled to whatever size the box has at the time.
    void setImage(const QImage& image);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

}  // namespace gyrock::ui

// uic names the class without its namespace.
using gyrock::ui::PreviewBox;
