// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "widgets/fonts.h"

#include <QWidget>

namespace gyrock::widgets {
namespace {

void fix(QWidget* widget) {
    if (!widget->testAttribute(Qt::WA_SetFont)) return;
    QFont font = widget->font();
    if (font.pointSizeF() == 8.0)
        font.setPointSizeF(8.25);
    else if (font.pointSizeF() == 10.0)
        font.setPointSizeF(9.75);
    else
        return;
    widget->setFont(font);
}

}  // namespace

void applyFractionalPointSizes(QWidget* root) {
    fix(root);
    for (QWidget* child : root->findChildren<QWidget*>()) fix(child);
}

}  // namespace gyrock::widgets
