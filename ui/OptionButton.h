// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

// An option button of a two-button group with this program's rules: focus arriving on an
// unselected option selects it, and every arrow key moves the focus to the other option, which
// selects that one. (Qt's own radio buttons move spatially and stop at the ends.) The Tab order
// of the group is the window's business, not this class's.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const QString& caption, QWidget* parent);

    void pairWith(OptionButton* other);
    void select();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OptionButton* other_ = nullptr;
};
