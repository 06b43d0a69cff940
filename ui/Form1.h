// SPDX-License-Identifier: MIT
#pragma once

#include "SystemColour.h"
#include "Value.h"

#include <QWidget>

#include <map>
#include <string>

class OptionButton;
class QLineEdit;
class QPushButton;

// The converter window: its controls, their layout and start-up state, the option group's Tab
// rules, and the handlers of Calculate, the two modes and the two Copy buttons. It offers the four
// byte conversions as its own operations, run with its own event yield; the conversions themselves
// live in the core library. Failures that a handler meets go to the FailureHost.
class Form1 : public QWidget {
    Q_OBJECT

public:
    static constexpr SystemColour ActiveBackground{0x80000009};   // active title-bar text
    static constexpr SystemColour InactiveBackground{0x8000000F}; // button face
    // The most the user can type or paste into a visible field: the classic edit control's
    // limit, far beyond any typing, and small enough that a huge paste cannot stall the window.
    static constexpr int InputLimit = 32767;

    explicit Form1(QWidget* parent = nullptr);

    hexconv::Value DecToBin(const hexconv::Value& dec);
    hexconv::Value BinToDec(const hexconv::Value& bin);
    hexconv::Value BinToHex(const hexconv::Value& hexval);
    hexconv::Value HexToBin(const hexconv::Value& hex);

protected:
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Thrown by the event yield once the window has been closed, so that the interrupted handler
    // and every handler nested in it stop without touching a control again.
    struct ClosedDuringYield {};

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option1_Click();
    void Option3_Click();

    template <typename Handler> void run(Handler handler);
    void yieldToEvents();

    QLineEdit* inputField() const;
    void giveFocus(QLineEdit* field);
    void describeCharacterField();
    void setField(QLineEdit* field, SystemColour background, bool locked, bool tabStop);
    void applyBackground(QLineEdit* field);
    bool isTabStop(QWidget* control) const;
    void copyToClipboard(const QLineEdit* field);

    static std::u32string textOf(const QLineEdit* field);
    void write(QLineEdit* field, const std::u32string& text);

    OptionButton* Option1;
    OptionButton* Option3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;

    std::map<QLineEdit*, SystemColour> backgrounds_;
    bool started_ = false;
    bool closed_ = false;
};
