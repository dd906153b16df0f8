// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The option check boxes hold one of three values: clear, ticked, or greyed
// (partly checked), which the options file may ask for. Only ticked turns
// an option on; Qt's own isChecked() would count greyed as on.

#include <cstdint>

class QCheckBox;

namespace gyrock::ui {

bool ticked(const QCheckBox* box);

// 0 clear, 1 ticked, 2 greyed: the values of the options file.
std::int16_t checkValue(const QCheckBox* box);
void setCheckValue(QCheckBox* box, std::int16_t value);

// A click on a greyed box makes it an ordinary two-state box again, ticked;
// it never cycles back into the greyed state.
void leaveGreyedOnClick(QCheckBox* box);

}  // namespace gyrock::ui
