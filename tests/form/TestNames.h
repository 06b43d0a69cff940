// SPDX-License-Identifier: MIT
#pragma once

#include "Value.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

// Readable names for parameterized cases, readable texts in logs and failure messages, and a
// text's UTF-8 written by the tests themselves.
namespace hexconv {

// The text with every code point that keep refuses written as _uXXXX_.
template <typename Keep> std::string escaped(std::u32string_view text, Keep keep) {
    std::string out;
    for (const char32_t c : text) {
        if (keep(c)) {
            out += static_cast<char>(c);
        } else {
            std::array<char, 16> code{};
            std::snprintf(code.data(), code.size(), "_u%04X_", static_cast<unsigned>(c));
            out += code.data();
        }
    }
    return out;
}

// Printable ASCII as it is.
inline std::string printable(std::u32string_view text) {
    return escaped(text, [](char32_t c) { return c >= 0x20 && c < 0x7F; });
}

// Letters and digits as they are: a name that a parameterized test accepts.
inline std::string nameOf(std::u32string_view text) {
    if (text.empty()) {
        return "empty";
    }
    return escaped(text, [](char32_t c) {
        return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
    });
}

inline std::string utf8Of(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        const auto bits = static_cast<std::uint32_t>(c);
        const int extra = bits < 0x80 ? 0 : bits < 0x800 ? 1 : bits < 0x10000 ? 2 : 3;
        constexpr std::array<unsigned, 4> lead = {0x00, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(lead.at(static_cast<std::size_t>(extra)) | (bits >> (6 * extra)));
        for (int i = extra - 1; i >= 0; --i) {
            out += static_cast<char>(0x80 | ((bits >> (6 * i)) & 0x3F));
        }
    }
    return out;
}

// UTF-8 that the program wrote, back to code points.
inline std::u32string fromUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int extra = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = lead & (0x7FU >> extra);
        for (int i = 1; i <= extra; ++i) {
            c = c << 6U | (static_cast<unsigned char>(text[at + i]) & 0x3FU);
        }
        out += c;
        at += 1 + extra;
    }
    return out;
}

inline std::string nameOf(const std::u32string& text) {
    return nameOf(std::u32string_view(text));
}

inline std::string nameOf(double number) {
    std::string name;
    for (char c : Value::asciiTextForm(number)) {
        name += c == '.' ? std::string("p") : c == '-' ? std::string("minus") : std::string(1, c);
    }
    return name;
}

inline std::string nameOf(const Value& value) {
    return value.isText() ? "text_" + nameOf(value.toText()) : "number_" + nameOf(value.toNumber());
}

inline void PrintTo(const Value& value, std::ostream* out) {
    std::string text;
    for (char32_t c : value.toText()) {
        text += c < 0x80 ? std::string(1, static_cast<char>(c)) : nameOf(std::u32string(1, c));
    }
    *out << (value.isText() ? "text \"" + text + "\"" : "number " + text);
}

} // namespace hexconv

// A name generator that names each case by one field of its parameter.
#define NAMED_BY(field) [](const auto& info) { return hexconv::nameOf(info.param field); }
