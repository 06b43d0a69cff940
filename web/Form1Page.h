// SPDX-License-Identifier: MIT
#pragma once

#include "Element.h"
#include "FailureBox.h"
#include "Form1.h"
#include "Form1Controls.h"
#include "WindowOperations.h"

#include <emscripten/val.h>

#include <optional>

// The converter window as a web page: the controls that the shared Form1Description lists, as the
// page was written with them, and the window operations over these elements, with
// the failure box as a modal dialog. It turns the page's events (clicks, focus, Tab, input, a new
// colour scheme) into the calls of the shared Form1 that decides what each leads to.
class Form1Page : public hexconv::WindowOperations {
public:
    // Takes the window that the page was written with and opens it.
    explicit Form1Page(hexconv::CodePage codePage);

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

    // A failure met outside the handlers (an unknown code page asked for): shown as theirs are.
    void fail(const std::exception_ptr& failure);

private:
    emscripten::val element(hexconv::Control control) const { return *controls_[control]; }
    emscripten::val element(hexconv::Field field) const { return *controls_[field]; }
    void adopt();
    void open();
    void listen();
    void dialogClosed();
    void followTextDirection(hexconv::Field field);

    emscripten::val document_;
    hexconv::Form1Controls<Element> controls_;
    emscripten::val description_;
    FailureBox failureBox_;
    hexconv::Form1 form_;
    // Where the focus goes once the failure box closes: while it is open the page takes none.
    std::optional<hexconv::Control> focusAfterDialog_;
};
