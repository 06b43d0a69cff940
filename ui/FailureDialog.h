// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

// The message box in which the host reports a failure: titled "Hex Converter", modal to the
// converter window and centred on it, with the failure's message, its name underneath and one
// "OK" button. It is wide enough that a window manager never cuts the title short. It shows a
// failure; it does not decide what happens after it.
class FailureDialog : public QMessageBox {
    Q_OBJECT

public:
    FailureDialog(QWidget* window, const QString& message, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
};
