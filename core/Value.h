// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace hexconv {

// A datum that holds either a text or a double, and the two ways between them: reading a text
// as a decimal numeral and writing a number in its text form. Texts are sequences of code points,
// so lengths and positions count characters as a user sees them. Both ways ignore the process
// locale. It is the one kind of value that the fields and the conversions pass between them.
class Value {
public:
    Value(std::u32string text) : data_(std::move(text)) {}
    Value(double number) : data_(number) {}

    bool isText() const { return std::holds_alternative<std::u32string>(data_); }
    bool isNumber() const { return std::holds_alternative<double>(data_); }

    // A number as it is; a text read as a number (throws TypeMismatch when it does not read).
    double toNumber() const;
    // A text as it is; a number in its text form.
    std::u32string toText() const;

    // Reads a plain decimal numeral: an optional sign, digits, and an optional point with more
    // digits ("007", "-1", "2.5", ".5", "5."). Anything else, blanks included, throws TypeMismatch.
    // A numeral too large for a double reads as an infinity, one too small as zero.
    static double readNumber(std::u32string_view text);
    // "." as the decimal separator, no point for whole numbers, only the digits needed otherwise.
    static std::u32string textForm(double number);
    // The same text form, in ASCII.
    static std::string asciiTextForm(double number);
    // Whether the text form has a ".": true exactly for finite numbers that are not whole. Answers
    // without writing the text, which the halving in DecToBin asks at every step.
    static bool textFormHasPoint(double number);

    friend bool operator==(const Value&, const Value&) = default;

private:
    std::variant<std::u32string, double> data_;
};

} // namespace hexconv
