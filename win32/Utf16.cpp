// SPDX-License-Identifier: MIT
#include "Utf16.h"

#include <windows.h>

namespace {

constexpr char32_t replacement = 0xFFFD;

bool isHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit < 0xDC00;
}

bool isLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit < 0xE000;
}

} // namespace

std::wstring Utf16::fromUtf32(std::u32string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
            c = replacement;
        }
        if (c > 0xFFFF) {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10U));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FFU));
        } else {
            out += static_cast<wchar_t>(c);
        }
    }
    return out;
}

std::u32string Utf16::toUtf32(std::wstring_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            out +=
                static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10U) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            out += replacement;
        } else {
            out += static_cast<char32_t>(unit);
        }
    }
    return out;
}

std::wstring Utf16::fromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), length);
    return out;
}

std::string Utf16::toUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}
