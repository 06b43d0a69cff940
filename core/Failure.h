// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace hexconv {

// The failures a conversion can raise. Each carries a message a user can read that says what was
// wrong with which text and what is accepted: as its translatable text and the arguments that
// fill it in (UTF-8), and filled in English as what(), for logs and callers. Each has a short
// name that stays the same whatever the text ("Type mismatch"), also translatable in the context
// "Failure". They are what the handler boundary shows the user.
class Failure : public std::runtime_error {
public:
    // A message that is not translated.
    explicit Failure(const std::string& message);
    Failure(MessageText text, std::vector<MessageArgument> arguments);

    virtual const char* name() const noexcept {
        return HEXCONV_TRANSLATABLE("Failure", "Failure").english;
    }
    // None for a message that is not translated.
    const std::optional<MessageText>& text() const { return text_; }
    const std::vector<MessageArgument>& arguments() const { return arguments_; }

    // A text as a message shows it: "g" in the quotation marks of the message's language, cut
    // after a few characters, or as code points (U+0002), unquoted, where it holds something that
    // would print as nothing or as garbage.
    static MessageArgument quote(std::u32string_view text);
    // "U+0065 U+0301": every code point of a (short) text.
    static std::string codePoints(std::u32string_view text);

private:
    std::optional<MessageText> text_;
    std::vector<MessageArgument> arguments_;
};

// A text that arithmetic must read as a number does not read as one.
class TypeMismatch : public Failure {
public:
    using Failure::Failure;
    // The plain failure of reading the text as a number.
    static TypeMismatch notANumber(std::u32string_view text);
    // The same failure where the text was meant as one hex digit.
    static TypeMismatch notAHexDigit(std::u32string_view digit);

    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "Type mismatch").english;
    }
};

// A number outside what a step can take, such as a byte value that is not a whole number 0-255.
class OutOfRange : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "Out of range").english;
    }
};

// A text handed over as a bit string that is too long, too short or holds digits other than 0
// and 1.
class InvalidBitString : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "Invalid bit string").english;
    }
};

// A character that the code page does not hold, or no character at all.
class NotInCodePage : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "Not in the code page").english;
    }
};

// A character that the code page writes as several bytes where one byte is wanted: two bytes of
// a double-byte code page, or a letter and its combining marks.
class NotASingleByte : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "Not a single byte").english;
    }
};

// A code page asked for by a number that names none of Windows' ANSI code pages.
class UnknownCodePage : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "Unknown code page").english;
    }
};

// A byte that stands for no character in the code page, alone or at all.
class NoCharacter : public Failure {
public:
    using Failure::Failure;
    const char* name() const noexcept override {
        return HEXCONV_TRANSLATABLE("Failure", "No character").english;
    }
};

} // namespace hexconv
