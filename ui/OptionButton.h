// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

// An option button of a two-button group whose every arrow key moves the focus to the other
// option (Qt's own radio buttons move spatially and stop at the ends), and that tells when the
// focus arrives on it, by any means, so that the window can select it.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

    void pairWith(OptionButton* other);

signals:
    void focusArrived();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OptionButton* other_ = nullptr;
};
