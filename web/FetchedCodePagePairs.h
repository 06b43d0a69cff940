// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

// The pairs of a double-byte code page as the page fetched them (code-page-N.bin, written by the
// build from the program's own tables): the page's definition of CodePagePairs, which keeps the
// four tables out of the program that every user downloads. Before its table arrives a
// double-byte code page has no pairs.
class FetchedCodePagePairs {
public:
    // 128 rows, one per lead byte from 0x80, of the characters of trail bytes 0x40 to 0xFE as
    // UTF-16LE; a row of zeros where the byte begins no pair. Anything else is refused (false).
    static bool supply(unsigned number, std::span<const std::uint8_t> file);
};
