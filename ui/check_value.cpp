// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/check_value.h"

#include <QCheckBox>

#include "storage/prefs_format.h"

namespace gyrock::ui {

bool ticked(const QCheckBox* box) { return box->checkState() == Qt::Checked; }

std::int16_t checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return checkTicked;
        case Qt::PartiallyChecked:
            return checkGreyed;
        case Qt::Unchecked:
            break;
    }
    return checkClear;
}

void setCheckValue(QCheckBox* box, std::int16_t value) {
    if (value == checkGreyed) {
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        return;
    }
    box->setCheckState(value == checkTicked ? Qt::Checked : Qt::Unchecked);
    box->setTristate(false);
}

void leaveGreyedOnClick(QCheckBox* box) {
    // Runs after the box has taken its next state, which from greyed is ticked.
    QObject::connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
}

}  // namespace gyrock::ui
