// SPDX-License-Identifier: MIT
#pragma once

#include "Value.h"

#include <cstdio>
#include <ostream>
#include <string>

// Readable names for parameterized cases and readable values in failure messages.
namespace hexconv {

inline std::string nameOf(std::u32string_view text) {
    if (text.empty()) {
        return "empty";
    }
    std::string name;
    for (char32_t c : text) {
        if ((c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) {
            name += static_cast<char>(c);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "_u%04X_", static_cast<unsigned>(c));
            name += escaped;
        }
    }
    return name;
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
