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

inline std::string describe(const QWidget* w, const QString& text, int needed, int room) {
    return w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
           std::to_string(needed) + " px, has " + std::to_string(room);
}

// Each entry names a control whose caption does not fit, with the sizes.
inline std::vector<std::string> clippedCaptions(QWidget* root) {
    std::vector<std::string> clipped;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QString text = label->text();
            if (text.isEmpty() || label->textFormat() == Qt::RichText) continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                                -label->margin(), -label->margin());
            if (label->wordWrap()) {
                const int needed =
                    fm.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).height();
                if (needed > room.height()) clipped.push_back(describe(w, text, needed, room.height()) + " high");
            } else if (fm.horizontalAdvance(text) > room.width()) {
                clipped.push_back(describe(w, text, fm.horizontalAdvance(text), room.width()));
            }
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* button = static_cast<QAbstractButton*>(w);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
            const QRect room = w->style()->subElementRect(
                check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, w);
            if (w->property("wordWrap").toBool()) {
                const int needed =
                    fm.boundingRect(room, Qt::TextWordWrap, button->text()).height();
                if (needed > room.height()) clipped.push_back(describe(w, button->text(), needed, room.height()) + " high");
                continue;
            }
            // The style pads the text by a few pixels inside the contents.
            const int needed = fm.horizontalAdvance(button->text()) + 4;
            if (needed > room.width()) clipped.push_back(describe(w, button->text(), needed, room.width()));
        } else if (auto* push = qobject_cast<QPushButton*>(w)) {
            QString text = push->text();
            text.remove(QLatin1Char('&'));
            const int needed = fm.horizontalAdvance(text) + 4;
            if (!text.isEmpty() && needed > push->width()) clipped.push_back(describe(w, text, needed, push->width()));
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            const int needed = fm.horizontalAdvance(group->title());
            if (needed > group->width()) clipped.push_back(describe(w, group->title(), needed, group->width()));
        }
    }
    return clipped;
}

}  // namespace gyrock::testing
