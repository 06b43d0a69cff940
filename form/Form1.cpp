// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "Conversions.h"

#include <algorithm>
#include <limits>

namespace hexconv {

namespace {

constexpr int unlimited = std::numeric_limits<int>::max();

std::size_t slot(Field field) {
    return static_cast<std::size_t>(field);
}

bool isVisible(Field field) {
    return field == Field::Text1 || field == Field::Text3;
}

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
    for (const Field field : {Field::Text1, Field::Text2, Field::Text3, Field::Text4}) {
        inputLimits_.at(slot(field)) = inputLimitOf(field);
    }
}

int Form1::inputLimitOf(Field field) {
    return isVisible(field) ? InputLimit : unlimited;
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
    window_.giveFocus(field);
    window_.selectWholeText(field);
}

void Form1::setField(Field field, SystemColour background, bool locked, bool tabStop) {
    window_.setBackgroundColour(field, background);
    window_.setLocked(field, locked);
    window_.setTabStop(field, tabStop);
    tabStops_.at(slot(field)) = tabStop;
}

bool Form1::isTabStop(Control control) const {
    switch (control) {
    case Control::Option1:
        return window_.isSelected(Option::Option1) || !window_.isSelected(Option::Option3);
    case Control::Option3:
        return window_.isSelected(Option::Option3);
    case Control::Text1:
        return tabStops_.at(slot(Field::Text1));
    case Control::Text3:
        return tabStops_.at(slot(Field::Text3));
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
    int& current = inputLimits_.at(slot(field));
    if (limit > current) {
        window_.setInputLimit(field, limit);
        current = limit;
    }
    window_.replaceText(field, text);
    if (limit < current) {
        window_.setInputLimit(field, limit);
        current = limit;
    }
}

} // namespace hexconv
