// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace hexconv {

// The characters of the pairs of bytes of Windows' double-byte code pages (932, 936, 949, 950),
// most of the code pages' data: one row per lead byte from 0x80, empty where the byte begins no
// pair, else the characters of its trail bytes 0x40 to 0xFE. Compiled into the program, from the
// source that the build writes from core/code-pages; the browser's program links its own
// definition instead and fetches only the one code page that its user converts in.
class CodePagePairs {
public:
    static std::span<const std::u16string_view> of(unsigned number);
};

} // namespace hexconv
