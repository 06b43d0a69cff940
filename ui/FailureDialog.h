// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

// The message box in which the host reports a failure: titled "Hex Converter", modal to the
// converter window and centred on it, with the failure's message, its name underneath and one
// "OK" button. It is wide enough that a window manager never cuts the title short. Ctrl+C puts
// its message and name on the clipboard, as a Windows message box does.
class FailureDialog : public QMessageBox {
    Q_OBJECT

public:
    FailureDialog(QWidget* window, const QString& message, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
