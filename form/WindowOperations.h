// SPDX-License-Identifier: MIT
#pragma once

#include "SystemColour.h"

#include <exception>
#include <string>

namespace hexconv {

// The converter window's fields: the character field, the hidden decimal field, the hex field
// and the hidden binary field.
enum class Field { Text1, Text2, Text3, Text4 };
// The option buttons of character mode ("ASCII") and hex mode ("Hex Decimal").
enum class Option { Option1, Option3 };
// The visible controls, for the Tab order.
enum class Control { Option1, Option3, Text1, Text3, Command1, Command2, Command3 };
// How the focus moves: by the program, or by Tab or Shift+Tab, which a platform may draw as a
// keyboard move (a focus frame).
enum class FocusMove { Program, Tab, BackTab };

// The operations on the converter window that Form1 uses, and the only ones: a front end
// implements each over its own controls and platform. Texts are whole texts, one char32_t per
// code point.
class WindowOperations {
public:
    WindowOperations() = default;
    WindowOperations(const WindowOperations&) = delete;
    WindowOperations& operator=(const WindowOperations&) = delete;
    WindowOperations(WindowOperations&&) = delete;
    WindowOperations& operator=(WindowOperations&&) = delete;
    virtual ~WindowOperations() = default;

    virtual std::u32string readText(Field field) const = 0;
    // Also on locked and hidden fields. Afterwards the caret stands at the end of the new text,
    // so that what the user types next follows what the program wrote ("4" made "04", then "1"
    // typed, gives "041").
    virtual void replaceText(Field field, const std::u32string& text) = 0;
    virtual void setBackgroundColour(Field field, SystemColour colour) = 0;
    // Locked: the user can neither type, delete nor paste; the program still writes the text.
    virtual void setLocked(Field field, bool locked) = 0;
    virtual void setTabStop(Field field, bool tabStop) = 0;
    virtual void giveFocus(Control control, FocusMove move) = 0;
    virtual void selectWholeText(Field field) = 0;
    virtual bool isSelected(Option option) const = 0;
    // Selects the option, and so leaves the other one unselected; runs no handler.
    virtual void selectOption(Option option) = 0;
    // Handles every event already waiting, then returns.
    virtual void eventYield() = 0;
    // The most that the user may type or paste into the field, counted in UTF-16 code units as
    // the platforms' edit controls count.
    virtual void setInputLimit(Field field, int limit) = 0;
    // The first character of a non-empty text as a user sees it: its first grapheme cluster, in
    // Unicode normalisation form C. It needs the platform's Unicode data.
    virtual std::u32string firstCharacter(const std::u32string& text) const = 0;
    // A code point's Unicode name ("LATIN CAPITAL LETTER A"), or the empty text where the
    // platform's Unicode data has none.
    virtual std::string unicodeName(char32_t codePoint) const = 0;
    // What the character field's tooltip and its description for screen readers say (UTF-8).
    virtual void setCharacterNote(const std::string& note) = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const std::u32string& text) = 0;

    // The host's handling of a failure that no handler traps: it shows the failure to the user.
    virtual void reportFailure(const std::exception_ptr& failure) = 0;
};

} // namespace hexconv
