// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace hexconv {

// The failures a conversion can raise. Each carries a message a user can read (UTF-8) that says
// what was wrong with which text and what is accepted, and a short name that stays the same
// whatever the text ("Type mismatch"). They report; they do not decide what the program does
// next.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    virtual const char* name() const noexcept { return "Failure"; }

    // A text as a message shows it: "g" in quotes, cut after a few characters, or as code points
    // (U+0002) where it holds something that would print as nothing or as garbage.
    static std::string quote(std::u32string_view text);
    // "U+0065 U+0301": every code point of a (short) text.
    static std::string codePoints(std::u32string_view text);
};

// A text that arithmetic must read as a number does not read as one.
class TypeMismatch : public Failure {
public:
    using Failure::Failure;
    // The plain failure of reading the text as a number.
    static TypeMismatch notANumber(std::u32string_view text);
    // The same failure where the text was meant as one hex digit.
    static TypeMismatch notAHexDigit(std::u32string_view digit);

    const char* name() const noexcept override { return "Type mismatch"; }
};

// A number outside what a step can take, such as a byte value that is not a whole number 0-255.
class OutOfRange : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override { return "Out of range"; }
};

// A text handed over as a bit string that is too long, too short or holds digits other than 0
// and 1.
class InvalidBitString : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override { return "Invalid bit string"; }
};

// A character that the single-byte code page does not hold, or no character at all.
class NotInCodePage : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override { return "Not in the code page"; }
};

} // namespace hexconv
