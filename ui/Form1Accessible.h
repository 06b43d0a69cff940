// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

// The converter window as assistive technology sees it: the window and its visible controls. The
// hidden decimal and binary fields are the conversions' working storage, so they are left out
// rather than offered as invisible text boxes; the controls carry their own names.
class Form1Accessible : public QAccessibleWidget {
public:
    explicit Form1Accessible(QWidget* form);

    // For QAccessible::installFactory: the interface for a Form1Window, nothing for anything else.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> exposedChildren() const;
};
