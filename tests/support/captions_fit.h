// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Finds captions that their control cuts off: a fixed-geometry form only
// looks right if every text fits the box it was given, in the font it gets.

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <string>
#include <vector>

namespace gyrock::testing {

// Adds an entry when the text does not fit the room: in height when it wraps,
// in width (plus the style's padding) when it does not.
inline void checkFits(std::vector<std::string>& clipped, const QWidget* w, QString text, const QRect& room,
                      bool wraps, int padding) {
    if (text.isEmpty()) return;
    const QFontMetrics fm(w->font());
    auto report = [&](int needed, int has, const char* what) {
        clipped.push_back(w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
                          std::to_string(needed) + " px, has " + std::to_string(has) + what);
    };
    if (wraps) {
        const int needed = fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).height();
        if (needed > room.height()) report(needed, room.height(), " high");
    } else {
        const int needed = fm.horizontalAdvance(text) + padding;
        if (needed > room.width()) report(needed, room.width(), "");
    }
}

// Each entry names a control whose caption does not fit, with the sizes.
inline std::vector<std::string> clippedCaptions(QWidget* root) {
    std::vector<std::string> clipped;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    // The styles pad button captions by a few pixels inside their box.
    constexpr int kButtonPadding = 4;
    for (QWidget* w : widgets) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->textFormat() == Qt::RichText) continue;
            const int m = label->margin();
            checkFits(clipped, w, label->text(), label->contentsRect().adjusted(m, m, -m, -m), label->wordWrap(), 0);
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* button = static_cast<QAbstractButton*>(w);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
            const QRect room = w->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, w);
            checkFits(clipped, w, button->text(), room, w->property("wordWrap").toBool(), kButtonPadding);
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            checkFits(clipped, w, push->text().remove(QLatin1Char('&')), push->rect(), false, kButtonPadding);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            checkFits(clipped, w, group->title(), group->rect(), false, 0);
        }
    }
    return clipped;
}

}  // namespace gyrock::testing
