// SPDX-License-Identifier: MIT
#pragma once

#include "Form1.h"
#include "Form1Controls.h"
#include "WindowOperations.h"

#include <QWidget>

#include <map>

class OptionButton;
class QLineEdit;
class QPushButton;

// The converter window on Qt Widgets: the controls that the shared Form1Description lists, with
// its layout and font, the icon and start-up state, the palette behind the field colours, the
// character field's description, and the window operations over these controls. Its events go to
// the shared Form1, which owns every handler, the Tab rule and the input limit; this class decides
// none of them, nor the layout.
class Form1Window : public QWidget, public hexconv::WindowOperations {
    Q_OBJECT

public:
    explicit Form1Window(hexconv::CodePage codePage = hexconv::CodePage::windows1252(),
                         QWidget* parent = nullptr);

    std::u32string readText(hexconv::Field field) const override;
    void replaceText(hexconv::Field field, const std::u32string& text) override;
    void setBackgroundColour(hexconv::Field field, hexconv::SystemColour colour) override;
    void setLocked(hexconv::Field field, bool locked) override;
    void setTabStop(hexconv::Field field, bool tabStop) override;
    void giveFocus(hexconv::Field field) override;
    void selectWholeText(hexconv::Field field) override;
    bool isSelected(hexconv::Option option) const override;
    void eventYield() override;
    void setInputLimit(hexconv::Field field, int limit) override;
    std::u32string firstCharacter(const std::u32string& text) const override;
    void clearClipboard() override;
    void setClipboardText(const std::u32string& text) override;
    void reportFailure(const std::exception_ptr& failure) override;

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLineEdit* field(hexconv::Field field) const;
    OptionButton* option(hexconv::Option option) const;
    QPushButton* button(hexconv::Control control) const;
    void describeCharacterField();
    void applyBackground(QLineEdit* field);

    hexconv::Form1Controls<QWidget*> controls_;

    hexconv::Form1 form_;
    std::map<QLineEdit*, hexconv::SystemColour> backgrounds_;
    bool started_ = false;
};
