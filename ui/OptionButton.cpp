// SPDX-License-Identifier: MIT
#include "OptionButton.h"

#include <QKeyEvent>

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {}

void OptionButton::pairWith(OptionButton* other) {
    other_ = other;
    other->other_ = this;
}

void OptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    emit focusArrived();
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (other_ != nullptr) {
            other_->setFocus(Qt::OtherFocusReason);
            // A window that is not active sends no focus-in: the focus has arrived all the same.
            emit other_->focusArrived();
        }
        event->accept();
        return;
    default:
        QRadioButton::keyPressEvent(event);
    }
}
