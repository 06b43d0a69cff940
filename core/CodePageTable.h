// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace hexconv {

// One of Windows' ANSI code pages as data, compiled into the program: the character of each byte
// from 0x80 up (below that every one is ASCII), of each pair of bytes in a double-byte code page,
// and the characters it writes only as a letter and combining marks; its name, and two
// characters of its own script that convert, for the messages that name it.
struct CodePageTable {
    // Where a byte or a pair stands for no character, and for a byte that only begins a pair.
    static constexpr char16_t NoCharacter = 0xFFFF;
    static constexpr std::uint8_t FirstTrailByte = 0x40;
    static constexpr std::size_t TrailBytes = 0xFF - FirstTrailByte; // 0x40 to 0xFE

    struct Decomposition {
        char16_t character;
        std::array<std::uint8_t, 3> bytes; // unused places are 0
    };

    unsigned number;
    MessageText name;
    std::u16string_view examples;
    std::u16string_view upperHalf; // bytes 0x80 to 0xFF
    bool doubleByte;
    std::span<const Decomposition> decompositions;
    // Empty for a single-byte code page; otherwise one row per byte from 0x80, empty where the
    // byte begins no pair, else the characters of its trail bytes (CodePagePairs).
    std::span<const std::u16string_view> pairs = {};

    // By number, from 874 up.
    static std::span<const CodePageTable> all();
};

} // namespace hexconv
