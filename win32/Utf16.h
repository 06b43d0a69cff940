// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Texts between the shared layer's code points and the UTF-16 of the Windows API. A lone
// surrogate, which an edit control may hold, becomes U+FFFD, as it does on Linux.
class Utf16 {
public:
    static std::wstring fromUtf32(std::u32string_view text);
    static std::u32string toUtf32(std::wstring_view text);
    static std::wstring fromUtf8(std::string_view text);
    static std::string toUtf8(std::wstring_view text);
};
