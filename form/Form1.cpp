// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "CharacterDescription.h"
#include "Conversions.h"

#include <algorithm>
#include <limits>

namespace hexconv {

namespace {

constexpr int unlimited = std::numeric_limits<int>::max();

// The length an edit control counts: code points beyond the Basic Multilingual Plane take two
// UTF-16 code units.
int utf16Length(const std::u32string& text) {
    const auto supplementary =
        std::count_if(text.begin(), text.end(), [](char32_t c) { return c > 0xFFFF; });
    const auto length = text.size() + static_cast<std::size_t>(supplementary);
    return length > static_cast<std::size_t>(unlimited) ? unlimited : static_cast<int>(length);
}

} // namespace

Form1::Form1(WindowOperations& window, CodePage codePage) : window_(window), codePage_(codePage) {
    for (const Field field : Form1Controls<int>::Fields) {
        tabStops_[field] = true;
        inputLimits_[field] = inputLimitOf(field);
    }
}

int Form1::inputLimitOf(Field field) {
    return Form1Description::isHidden(field) ? unlimited : InputLimit;
}

void Form1::opened() {
    if (opened_ || closed_) {
        return;
    }
    opened_ = true;
    run([this] { describeCharacter(); });
    // Focus arriving selects the option; selecting directly as well covers a window that the
    // system did not activate, which hears of no focus.
    window_.giveFocus(Control::Option1, FocusMove::Program);
    if (!window_.isSelected(Option::Option1) && !window_.isSelected(Option::Option3)) {
        select(Option::Option1);
    }
}

void Form1::clicked(Control control) {
    switch (control) {
    case Control::Option1:
        select(Option::Option1);
        break;
    case Control::Option3:
        select(Option::Option3);
        break;
    case Control::Command1:
        Command1_Click();
        break;
    case Control::Command2:
        Command2_Click();
        break;
    case Control::Command3:
        Command3_Click();
        break;
    case Control::Text1:
    case Control::Text3:
        break;
    }
}

void Form1::focusArrived(Control control) {
    const std::optional<Option> option = Form1Description::optionOf(control);
    if (option && !window_.isSelected(*option)) {
        select(*option);
    }
}

bool Form1::tabPressed(std::optional<Control> from, bool forward) {
    const std::optional<Control> stop = nextTabStop(from, forward);
    if (!stop || closed_) {
        return false;
    }
    window_.giveFocus(*stop, forward ? FocusMove::Tab : FocusMove::BackTab);
    // As everywhere on the desktop, so that what the user types next replaces the text.
    if (const std::optional<Field> field = Form1Description::fieldOf(*stop)) {
        window_.selectWholeText(*field);
    }
    return true;
}

void Form1::edited(Field field) {
    if (field == Field::Text1) {
        run([this] { describeCharacter(); });
    }
}

void Form1::schemeChanged() {
    for (const Field field : Form1Controls<int>::Fields) {
        if (const std::optional<SystemColour> colour = backgrounds_[field]; colour && !closed_) {
            window_.setBackgroundColour(field, *colour);
        }
    }
}

std::optional<SystemColour> Form1::backgroundOf(Field field) const {
    return backgrounds_[field];
}

void Form1::Command1_Click() {
    run([this] { calculate(); });
}

void Form1::Command2_Click() {
    run([this] { copyToClipboard(Field::Text1); });
}

void Form1::Command3_Click() {
    run([this] { copyToClipboard(Field::Text3); });
}

void Form1::Option1_Click() {
    run([this] { selectCharacterMode(); });
}

void Form1::Option3_Click() {
    run([this] { selectHexMode(); });
}

void Form1::closed() {
    closed_ = true;
}

Value Form1::DecToBin(const Value& dec) {
    return Conversions::DecToBin(dec, [this] { yield(); });
}

Value Form1::BinToDec(const Value& bin) {
    return Conversions::BinToDec(bin, [this] { yield(); });
}

Value Form1::BinToHex(const Value& hexval) {
    return Conversions::BinToHex(hexval);
}

Value Form1::HexToBin(const Value& hex) {
    return Conversions::HexToBin(hex, [this] { yield(); });
}

// The handler boundary: a failure ends the handler at its step and goes to the host; a close
// during an event yield ends it quietly.
template <typename Handler> void Form1::run(Handler handler) {
    if (closed_) {
        return;
    }
    std::exception_ptr failure;
    try {
        handler();
    } catch (const ClosedDuringYield&) {
        return;
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        failed(failure);
    }
}

void Form1::failed(const std::exception_ptr& failure) {
    if (closed_) {
        return;
    }
    window_.reportFailure(failure);
    // Back to the input, ready for the corrected text.
    if (const std::optional<Field> input = inputField(); input && !closed_) {
        focusOn(*input);
    }
}

void Form1::yield() {
    window_.eventYield();
    if (closed_) {
        throw ClosedDuringYield{};
    }
}

void Form1::calculate() {
    if (window_.isSelected(Option::Option1) && window_.readText(Field::Text1).empty()) {
        return;
    }
    if (window_.isSelected(Option::Option3) && window_.readText(Field::Text3).empty()) {
        return;
    }
    // Two independent tests, not one choice: a switch to hex mode during the character chain's
    // yields makes the hex chain run next. Every step reads its field only when it runs.
    if (window_.isSelected(Option::Option1)) {
        const std::u32string first = window_.firstCharacter(window_.readText(Field::Text1));
        write(Field::Text2, Value::textForm(codePage_.codeOfCharacter(first)));
        write(Field::Text4, DecToBin(Value(window_.readText(Field::Text2))).toText());
        write(Field::Text3, BinToHex(Value(window_.readText(Field::Text4))).toText());
    }
    if (window_.isSelected(Option::Option3)) {
        if (window_.readText(Field::Text3).size() != 2) {
            write(Field::Text3, U"0" + window_.readText(Field::Text3));
        }
        write(Field::Text4, HexToBin(Value(window_.readText(Field::Text3))).toText());
        write(Field::Text2, BinToDec(Value(window_.readText(Field::Text4))).toText());
        const double code = Value(window_.readText(Field::Text2)).toNumber();
        write(Field::Text1, std::u32string(1, codePage_.characterFor(code)));
    }
}

// Selected, then its handler, as a click on an option runs it.
void Form1::select(Option option) {
    if (closed_) {
        return;
    }
    window_.selectOption(option);
    if (option == Option::Option1) {
        Option1_Click();
    } else {
        Option3_Click();
    }
}

// Field by field, character field first: background, locked, tab stop, and for the mode's own
// field the focus right after.
void Form1::selectCharacterMode() {
    setField(Field::Text1, ActiveBackground, false, true);
    focusOn(Field::Text1);
    setField(Field::Text3, InactiveBackground, true, false);
}

void Form1::selectHexMode() {
    setField(Field::Text1, InactiveBackground, true, false);
    setField(Field::Text3, ActiveBackground, false, true);
    focusOn(Field::Text3);
}

void Form1::copyToClipboard(Field field) {
    window_.clearClipboard();
    window_.setClipboardText(window_.readText(field));
}

std::optional<Field> Form1::inputField() const {
    if (window_.isSelected(Option::Option1)) {
        return Field::Text1;
    }
    if (window_.isSelected(Option::Option3)) {
        return Field::Text3;
    }
    return std::nullopt;
}

// The whole text is selected, so that what the user types next replaces it.
void Form1::focusOn(Field field) {
    if (const std::optional<Control> control = Form1Description::controlOf(field)) {
        window_.giveFocus(*control, FocusMove::Program);
        window_.selectWholeText(field);
    }
}

void Form1::setField(Field field, SystemColour background, bool locked, bool tabStop) {
    backgrounds_[field] = background;
    window_.setBackgroundColour(field, background);
    window_.setLocked(field, locked);
    window_.setTabStop(field, tabStop);
    tabStops_[field] = tabStop;
}

bool Form1::isTabStop(Control control) const {
    switch (control) {
    case Control::Option1:
        return window_.isSelected(Option::Option1) || !window_.isSelected(Option::Option3);
    case Control::Option3:
        return window_.isSelected(Option::Option3);
    case Control::Text1:
        return tabStops_[Field::Text1];
    case Control::Text3:
        return tabStops_[Field::Text3];
    case Control::Command1:
    case Control::Command2:
    case Control::Command3:
        return true;
    }
    return false;
}

std::optional<Control> Form1::nextTabStop(std::optional<Control> from, bool forward) const {
    const auto count = static_cast<int>(TabOrder.size());
    const auto* const current =
        from ? std::find(TabOrder.begin(), TabOrder.end(), *from) : TabOrder.end();
    const int start = current != TabOrder.end() ? static_cast<int>(current - TabOrder.begin())
                      : forward                 ? -1
                                                : count;
    for (int step = 1; step <= count; ++step) {
        const int at = ((start + (forward ? step : -step)) % count + count) % count;
        if (isTabStop(TabOrder.at(static_cast<std::size_t>(at)))) {
            return TabOrder.at(static_cast<std::size_t>(at));
        }
    }
    return std::nullopt;
}

// The limit holds back what the user types and pastes; the program's own writes are never cut,
// so a full hex field given its leading "0" keeps its last digit. A visible field written longer
// than the limit gets the limit back once it is written short again.
void Form1::write(Field field, const std::u32string& text) {
    const int limit = std::max(inputLimitOf(field), utf16Length(text));
    int& current = inputLimits_[field];
    if (limit > current) {
        window_.setInputLimit(field, limit);
        current = limit;
    }
    window_.replaceText(field, text);
    if (limit < current) {
        window_.setInputLimit(field, limit);
        current = limit;
    }
    // Not every platform tells of the program's own writes as it tells of the user's.
    if (field == Field::Text1) {
        describeCharacter();
    }
}

// A control character or a no-break space draws as nothing: the note says which character the
// field begins with, and the code page it converts in.
void Form1::describeCharacter() {
    const std::u32string text = window_.readText(Field::Text1);
    window_.setCharacterNote(CharacterDescription::note(
        text.empty() ? std::u32string() : window_.firstCharacter(text),
        [this](char32_t codePoint) { return window_.unicodeName(codePoint); }, codePage_));
}

} // namespace hexconv
