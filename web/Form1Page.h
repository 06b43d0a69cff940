// SPDX-License-Identifier: MIT
#pragma once

#include "Element.h"
#include "Form1.h"
#include "Form1Controls.h"
#include "WindowOperations.h"

#include <emscripten/val.h>

#include <array>
#include <optional>

// The converter window as a web page: the controls that the shared Form1Description lists, as DOM
// elements with its layout, font and names, the failure box as a modal dialog, and the window
// operations over these elements. Its events go to the shared Form1, which owns every handler,
// the Tab rule and the input limit.
class Form1Page : public hexconv::WindowOperations {
public:
    // Builds the page into the document's body and opens it in character mode.
    explicit Form1Page(hexconv::CodePage codePage);

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

    // A failure met outside the handlers (an unknown code page asked for): shown as theirs are.
    void fail(const std::exception_ptr& failure);

    // The page's events, as the elements' listeners deliver them.
    void clicked(hexconv::Control control);
    void optionFocused(hexconv::Option option);
    void optionChanged(hexconv::Option option);
    void characterTyped();
    bool tabPressed(bool forward);
    void dialogClosed();
    void clipboardRefused();
    void coloursChanged();

private:
    emscripten::val element(hexconv::Control control) const { return *controls_[control]; }
    emscripten::val element(hexconv::Field field) const { return *controls_[field]; }
    emscripten::val element(hexconv::Option option) const;
    void describeCharacterField();
    void applyBackground(hexconv::Field field);
    void buildDialog();

    emscripten::val document_;
    hexconv::Form1Controls<Element> controls_;
    emscripten::val description_;
    emscripten::val dialog_;
    emscripten::val dialogMessage_;
    emscripten::val dialogName_;
    hexconv::Form1 form_;
    // Per field, in the order of Field: the background set, resolved again when the scheme
    // changes.
    std::array<std::optional<hexconv::SystemColour>, 4> backgrounds_{};
    // Where the focus goes once the failure box closes: while it is open the page takes none.
    std::optional<hexconv::Field> focusAfterDialog_;
};
