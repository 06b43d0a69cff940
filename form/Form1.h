// SPDX-License-Identifier: MIT
#pragma once

#include "CodePage.h"
#include "Form1Controls.h"
#include "SystemColour.h"
#include "Value.h"
#include "WindowOperations.h"

#include <array>
#include <optional>
#include <string>

namespace hexconv {

// The converter window's behaviour, the same for every front end: what each thing the user does
// leads to (a click, focus arriving, Tab, an edit, the window opening), the handlers of Calculate,
// of the two modes and of the two Copy buttons, run through one handler boundary; the four byte
// conversions as the window's own operations, with its event yield; the Tab rule of the option
// group; the fields' backgrounds and input limit; the character field's note. It reaches the
// window only through WindowOperations, so that each front end only turns its platform's events
// into these calls.
class Form1 {
public:
    static constexpr SystemColour ActiveBackground{0x80000009};   // active title-bar text
    static constexpr SystemColour InactiveBackground{0x8000000F}; // button face
    // The most the user can type or paste into a visible field: the classic edit control's
    // limit, far beyond any typing, and small enough that a huge paste cannot stall the window.
    static constexpr int InputLimit = 32767;
    static constexpr std::array<Control, 7> TabOrder = {
        Control::Option1,  Control::Option3,  Control::Text1,   Control::Text3,
        Control::Command1, Control::Command2, Control::Command3};

    // The conversions between a character and its code run in the code page given.
    explicit Form1(WindowOperations& window, CodePage codePage = CodePage::windows1252());

    const CodePage& codePage() const { return codePage_; }

    // The field's limit at creation: InputLimit for the visible fields, none for the hidden ones.
    static int inputLimitOf(Field field);

    // What the user does, as each front end hears it from its platform.
    //
    // The window shows for the first time: the first control in tab order takes the focus, and
    // the window opens in character mode. Later calls do nothing.
    void opened();
    // A click, by the mouse, Space or Enter: a button runs its handler; an option is selected and
    // runs its handler even where it was selected already, which puts the caret back in its field.
    void clicked(Control control);
    // Focus has arrived on a control, by whatever means: an option that is not selected is.
    void focusArrived(Control control);
    // Tab (forward) or Shift+Tab from the control that has the focus (none: from outside the
    // order): the focus moves to nextTabStop, and a field arrived at has its whole text selected.
    // False where there is no stop to move to.
    bool tabPressed(std::optional<Control> from, bool forward);
    // The user has changed a field's text: typed, deleted or pasted.
    void edited(Field field);
    // The system's colour scheme has changed: the backgrounds, references into it, are set again.
    void schemeChanged();

    // The background that a field was last given, if any, as the platform paints it.
    std::optional<SystemColour> backgroundOf(Field field) const;

    // The handlers, as the user's actions run them.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Option1_Click();
    void Option3_Click();

    // A failure that the platform reports after its handler has returned (a browser's clipboard
    // answers later): shown, and the input field given the focus, as for a handler's own.
    void failed(const std::exception_ptr& failure);

    // The window has been closed: the handler in an event yield, and every one nested in it,
    // stops there without touching a control again, and no handler runs after.
    void closed();

    // Where Tab (or Shift+Tab, not forward) moves the focus from the control that has it (none:
    // from outside the order): the next control in TabOrder that is a tab stop. The option group
    // is one stop, its selected option, or the first while neither is selected.
    std::optional<Control> nextTabStop(std::optional<Control> from, bool forward) const;

    Value DecToBin(const Value& dec);
    Value BinToDec(const Value& bin);
    Value BinToHex(const Value& hexval);
    Value HexToBin(const Value& hex);

private:
    // Thrown by the event yield once the window has been closed, so that the interrupted handler
    // and every handler nested in it stop without touching a control again.
    struct ClosedDuringYield {};

    template <typename Handler> void run(Handler handler);
    void yield();

    void calculate();
    void selectCharacterMode();
    void selectHexMode();
    void copyToClipboard(Field field);

    void select(Option option);
    std::optional<Field> inputField() const;
    void focusOn(Field field);
    void setField(Field field, SystemColour background, bool locked, bool tabStop);
    bool isTabStop(Control control) const;
    void write(Field field, const std::u32string& text);
    void describeCharacter();

    WindowOperations& window_;
    CodePage codePage_;
    // Per field: whether Tab stops there, the input limit it has now and the background it was
    // given.
    Form1Controls<bool> tabStops_;
    Form1Controls<int> inputLimits_;
    Form1Controls<std::optional<SystemColour>> backgrounds_;
    bool opened_ = false;
    bool closed_ = false;
};

// Tab goes in the order of Control, the order in which the window's controls are described.
static_assert([] {
    for (std::size_t i = 0; i < Form1::TabOrder.size(); ++i) {
        if (Form1::TabOrder.at(i) != static_cast<Control>(i)) {
            return false;
        }
    }
    return true;
}());

} // namespace hexconv
