// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Finds captions that their control cuts off: a fixed-geometry form only
// looks right if every text fits the box it was given, in the font it gets.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <string>
#include <vector>

namespace gyrock::testing {

// Adds an entry when the text needs more room than it has: in height when it
// wraps, in width (plus the style's padding) when it does not.
inline void checkFits(std::vector<std::string>& clipped, const QWidget* w, const QString& text,
                      const QRect& room, bool wraps, int padding = 0) {
    const QFontMetrics fm(w->font());
    const int needed =
        wraps ? fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).height()
              : fm.horizontalAdvance(text) + padding;
    const int has = wraps ? room.height() : room.width();
    if (!text.isEmpty() && needed > has)
        clipped.push_back(w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
                          std::to_string(needed) + " px, has " + std::to_string(has) +
                          (wraps ? " high" : " wide"));
}

// Each entry names a control whose caption does not fit, with the sizes.
inline std::vector<std::string> clippedCaptions(QWidget* root) {
    std::vector<std::string> clipped;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    // The styles pad button captions by a few pixels inside their box.
    constexpr int kButtonPadding = 4;
    for (QWidget* w : widgets) {
        auto* check = qobject_cast<QCheckBox*>(w);
        if (auto* label = qobject_cast<QLabel*>(w); label && label->textFormat() != Qt::RichText) {
            const int m = label->margin();
            checkFits(clipped, w, label->text(), label->contentsRect().adjusted(m, m, -m, -m),
                      label->wordWrap());
        } else if (check || qobject_cast<QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(w);
            option.text = static_cast<QAbstractButton*>(w)->text();
            const QRect room = w->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, w);
            checkFits(clipped, w, option.text, room, w->property("wordWrap").toBool(),
                      kButtonPadding);
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            checkFits(clipped, w, push->text().remove(QLatin1Char('&')), push->rect(), false,
                      kButtonPadding);
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            checkFits(clipped, w, group->title(), group->rect(), false);
        }
    }
    return clipped;
}

}  // namespace gyrock::testing
