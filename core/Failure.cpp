// SPDX-License-Identifier: MIT
#include "Failure.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace hexconv {

namespace {

// Controls, lone surrogates and values past Unicode print as nothing or as garbage.
bool printable(char32_t c) {
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && !(c >= 0xD800 && c < 0xE000) &&
           c <= 0x10FFFF;
}

constexpr std::size_t quotedCharacters = 12;
constexpr std::size_t listedCodePoints = 6;

std::string utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | ((c >> 18) & 0x07));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

Failure::Failure(const std::string& message) : std::runtime_error(message) {}

Failure::Failure(MessageText text, std::vector<MessageArgument> arguments)
    : std::runtime_error(
          MessageText::compose(text, arguments, [](const MessageText& m) { return m.english; })),
      text_(text), arguments_(std::move(arguments)) {}

std::string Failure::codePoints(std::u32string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < listedCodePoints; ++i) {
        std::array<char, 16> codePoint{};
        std::snprintf(codePoint.data(), codePoint.size(), "U+%04X", static_cast<unsigned>(text[i]));
        if (i > 0) {
            out += ' ';
        }
        out += codePoint.data();
    }
    return text.size() > listedCodePoints ? out + " ..." : out;
}

MessageArgument Failure::quote(std::u32string_view text) {
    if (!std::all_of(text.begin(), text.end(), printable)) {
        return codePoints(text);
    }
    std::string shown = utf8(text.substr(0, quotedCharacters));
    if (text.size() > quotedCharacters) {
        shown += "...";
    }
    return {HEXCONV_TRANSLATABLE("Failure", "\"%1\""), {shown}};
}

TypeMismatch TypeMismatch::notANumber(std::u32string_view text) {
    if (text.empty()) {
        return {HEXCONV_TRANSLATABLE("Failure", "An empty text does not read as a number."), {}};
    }
    return {HEXCONV_TRANSLATABLE("Failure", "%1 does not read as a number: a number is written "
                                            "with the digits 0-9, an optional sign and an "
                                            "optional point."),
            {quote(text)}};
}

TypeMismatch TypeMismatch::notAHexDigit(std::u32string_view digit) {
    if (digit.empty()) {
        return {HEXCONV_TRANSLATABLE("Failure", "There is no hex digit to convert. Type one or two "
                                                "hex digits: 0-9 and A-F (either case)."),
                {}};
    }
    return {HEXCONV_TRANSLATABLE("Failure", "%1 is not a hex digit. Type one or two hex digits: "
                                            "0-9 and A-F (either case)."),
            {quote(digit)}};
}

} // namespace hexconv
