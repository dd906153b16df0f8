// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "widgets/placement.h"

#include <QScreen>
#include <QWidget>

namespace gyrock::widgets {

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    window->move(screen->availableGeometry().center() -
                 QPoint(window->width() / 2, window->height() / 2));
}

}  // namespace gyrock::widgets
