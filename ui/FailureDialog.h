// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

namespace hexconv {
class FailureReport;
}

// The message box in which the host reports a failure: with the report's title, modal to the
// converter window and centred on it, with the failure's message, its name underneath and one
// "OK" button. It is wide enough that a window manager never cuts the title short. Ctrl+C puts
// its message and name on the clipboard, as a Windows message box does.
class FailureDialog : public QMessageBox {
    Q_OBJECT

public:
    FailureDialog(QWidget* window, const hexconv::FailureReport& report);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString copied_;
};
