// SPDX-License-Identifier: MIT
#include "Form1Accessible.h"

#include <QWidget>

Form1Accessible::Form1Accessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

QAccessibleInterface* Form1Accessible::factory(const QString& className, QObject* object) {
    if (className == QLatin1String("Form1Window") && object != nullptr && object->isWidgetType()) {
        return new Form1Accessible(qobject_cast<QWidget*>(object));
    }
    return nullptr;
}

QList<QWidget*> Form1Accessible::exposedChildren() const {
    QList<QWidget*> exposed;
    for (QObject* child : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && !control->isWindow() && !control->isHidden()) {
            exposed.append(control);
        }
    }
    return exposed;
}

int Form1Accessible::childCount() const {
    return static_cast<int>(exposedChildren().size());
}

QAccessibleInterface* Form1Accessible::child(int index) const {
    const QList<QWidget*> exposed = exposedChildren();
    if (index < 0 || index >= exposed.size()) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(exposed.at(index));
}

int Form1Accessible::indexOfChild(const QAccessibleInterface* child) const {
    auto* control = child != nullptr ? qobject_cast<QWidget*>(child->object()) : nullptr;
    return control != nullptr ? static_cast<int>(exposedChildren().indexOf(control)) : -1;
}
