// SPDX-License-Identifier: MIT
#pragma once

#include "Form1.h"
#include "Form1Controls.h"
#include "WindowOperations.h"

#include <QWidget>

class OptionButton;
class QLineEdit;

// The converter window on Qt Widgets: the controls that the shared Form1Description lists, with
// its layout, font and icon, and the window operations over these controls, with Qt's palette
// behind the field colours and ICU behind the character names. It turns Qt's events (clicks,
// focus, Tab, edits, showing, a new palette) into the calls of the shared Form1 that decides what
// each leads to.
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
    void giveFocus(hexconv::Control control, hexconv::FocusMove move) override;
    void selectWholeText(hexconv::Field field) override;
    bool isSelected(hexconv::Option option) const override;
    void selectOption(hexconv::Option option) override;
    void eventYield() override;
    void setInputLimit(hexconv::Field field, int limit) override;
    std::u32string firstCharacter(const std::u32string& text) const override;
    std::string unicodeName(char32_t codePoint) const override;
    void setCharacterNote(const std::string& note) override;
    void clearClipboard() override;
    void setClipboardText(const std::u32string& text) override;
    void reportFailure(const std::exception_ptr& failure) override;

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeControls();
    static void followTextDirection(QLineEdit* field);
    QLineEdit* field(hexconv::Field field) const;
    OptionButton* option(hexconv::Option option) const;

    hexconv::Form1Controls<QWidget*> controls_;
    hexconv::Form1 form_;
};
