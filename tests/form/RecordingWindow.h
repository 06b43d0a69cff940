// SPDX-License-Identifier: MIT
#pragma once

#include "Form1.h"
#include "WindowOperations.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hexconv {

struct UserStep;

// A converter window in memory for the tests of Form1: it keeps each field's text, lock, limit and
// whether its whole text is selected, the selected option, the focus, the clipboard and the
// character field's note, and records every operation that changes something but the note, in
// order. An event yield runs what a test queued for it, as waiting events would run; the user's
// actions are methods that do what a toolkit does on such an event, telling Form1 as a front end
// tells it.
class RecordingWindow : public WindowOperations {
public:
    explicit RecordingWindow(CodePage codePage = CodePage::windows1252()) : form(*this, codePage) {}

    Form1 form;
    std::vector<std::string> log;
    std::map<Field, std::u32string> texts;
    std::map<Field, int> limits;
    std::optional<Option> selected;
    std::optional<Control> focus;
    std::map<Field, bool> locked;
    std::map<Field, bool> wholeTextSelected;
    std::string note;
    std::u32string clipboard = U"old";
    std::vector<std::string> reports;
    int yields = 0;
    // Run at the yield of that number (the first is 1), inside the running handler.
    std::map<int, std::function<void()>> atYield;
    // Run as the failure is reported, as a dialog's own event loop would.
    std::function<void()> whileReporting;

    // The user's actions. A click on an option, with the focus left where it is.
    void select(Option option);
    // The field's text as the user leaves it, without telling Form1.
    void type(Field field, const std::u32string& text) { texts[field] = text; }
    void close() { form.closed(); }
    // As a platform plays the steps: a click focuses an option or a field first, typing goes
    // where the focus is, and an arrow on an option moves to the other one.
    void play(const UserStep& step);
    std::string focusName() const;

    std::u32string readText(Field field) const override;
    void replaceText(Field field, const std::u32string& text) override;
    void setBackgroundColour(Field field, SystemColour colour) override;
    void setLocked(Field field, bool locked) override;
    void setTabStop(Field field, bool tabStop) override;
    void giveFocus(Control control, FocusMove move) override;
    void selectWholeText(Field field) override;
    bool isSelected(Option option) const override { return selected == option; }
    void selectOption(Option option) override { selected = option; }
    void eventYield() override;
    void setInputLimit(Field field, int limit) override;
    // Without Unicode data every code point counts as a character.
    std::u32string firstCharacter(const std::u32string& text) const override {
        return text.substr(0, 1);
    }
    // Names for a few letters, as a platform's Unicode data has them.
    std::string unicodeName(char32_t codePoint) const override;
    void setCharacterNote(const std::string& text) override { note = text; }
    void clearClipboard() override;
    void setClipboardText(const std::u32string& text) override;
    void reportFailure(const std::exception_ptr& failure) override;
};

// "Text1" for Field::Text1, for logs and test names.
std::string nameOf(Field field);

} // namespace hexconv
