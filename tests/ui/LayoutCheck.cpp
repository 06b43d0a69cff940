// SPDX-License-Identifier: MIT
#include "LayoutCheck.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

namespace {

// The part of a control that is drawn: an option button's indicator and caption, otherwise the
// whole control; in a window laid out from right to left, from the control's right edge. (The
// design lets an option button's rectangle touch the field beside it.)
QRect drawnRect(const QWidget& control) {
    if (const auto* option = qobject_cast<const QRadioButton*>(&control)) {
        const int width = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                          option->fontMetrics().horizontalAdvance(option->text());
        return QStyle::visualRect(option->layoutDirection(), option->geometry(),
                                  QRect(option->pos(), QSize(width, option->height())));
    }
    return control.geometry();
}

std::string name(const QWidget& control) {
    return control.objectName().toStdString();
}

} // namespace

std::string LayoutCheck::problems(const QWidget& window) {
    std::string found;
    std::vector<const QWidget*> visible;
    for (const QObject* child : window.children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control != nullptr && control->isVisible()) {
            visible.push_back(control);
        }
    }
    for (const QWidget* control : visible) {
        const QRect drawn = drawnRect(*control);
        if (!window.rect().contains(control->geometry())) {
            found += name(*control) + " reaches outside the client area\n";
        }
        if (drawn.width() > control->width()) {
            found += name(*control) + "'s caption is wider than the control\n";
        }
        if (control->fontMetrics().height() > control->height() - 4) {
            found += name(*control) + "'s text is taller than the control\n";
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(control);
            button != nullptr && !qobject_cast<const QRadioButton*>(control) &&
            button->fontMetrics().horizontalAdvance(button->text()) + 8 > button->width()) {
            found += name(*control) + "'s caption does not fit\n";
        }
        for (const QWidget* other : visible) {
            if (control < other && drawn.intersects(drawnRect(*other))) {
                found += name(*control) + " overlaps " + name(*other) + "\n";
            }
        }
    }
    return found;
}
