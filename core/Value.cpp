// SPDX-License-Identifier: MIT
#include "Value.h"

#include "Failure.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace hexconv {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

} // namespace

double Value::toNumber() const {
    if (const double* number = std::get_if<double>(&data_)) {
        return *number;
    }
    return readNumber(std::get<std::u32string>(data_));
}

std::u32string Value::toText() const {
    if (const double* number = std::get_if<double>(&data_)) {
        return textForm(*number);
    }
    return std::get<std::u32string>(data_);
}

double Value::readNumber(std::u32string_view text) {
    // The routines read bit strings and hex digits one character at a time.
    if (text.size() == 1 && isDigit(text.front())) {
        return static_cast<double>(text.front() - U'0');
    }
    // Validate the whole grammar first, so that from_chars only ever sees a plain numeral.
    std::string numeral;
    numeral.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) {
        if (text[i] == U'-') {
            numeral.push_back('-');
        }
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    bool wholePartNonZero = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isDigit(c)) {
            ++digits;
            wholePartNonZero = wholePartNonZero || (!point && c != U'0');
        } else if (c == U'.' && !point) {
            point = true;
        } else {
            throw TypeMismatch::notANumber(text);
        }
        numeral.push_back(static_cast<char>(c));
    }
    if (digits == 0) {
        throw TypeMismatch::notANumber(text);
    }

    double value = 0;
    const char* first = numeral.data();
    const char* last = first + numeral.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        const bool negative = numeral.front() == '-';
        value = wholePartNonZero ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    if (error != std::errc() || end != last) {
        throw TypeMismatch::notANumber(text);
    }
    return value;
}

std::string Value::asciiTextForm(double number) {
    if (std::isnan(number)) {
        return "NaN";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-Infinity" : "Infinity";
    }
    if (number == 0) {
        return "0"; // also for -0, which is not a negative number
    }
    // The shortest fixed form that reads back as the same double: no exponent, no trailing zeros.
    // The longest such form (the smallest subnormal) needs 326 characters.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

bool Value::textFormHasPoint(double number) {
    return std::isfinite(number) && number != std::trunc(number);
}

std::u32string Value::textForm(double number) {
    const std::string ascii = asciiTextForm(number);
    return std::u32string(ascii.begin(), ascii.end());
}

} // namespace hexconv
