// SPDX-License-Identifier: MIT
#pragma once

#include "CodePageTable.h"
#include "MessageText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hexconv {

// One of Windows' ANSI code pages as the conversions use it: the byte of one character as a user
// sees it, and the character of one byte, exactly as Windows converts them (without best fit).
// Its failures name the code page and the bytes: a character the code page lacks, one that it
// writes as several bytes (a two-byte character, a letter and its combining marks), a byte that
// stands for no character or only begins one. A small value that refers to compiled-in tables.
class CodePage {
public:
    using Bytes = std::vector<std::uint8_t>;

    // The code page of Western Europe and the Americas, and of every system that has no other.
    static CodePage windows1252();
    // Windows' ANSI code page with this number; none where it is not one.
    static std::optional<CodePage> withNumber(unsigned number);
    // The numbers of all of them, from 874 up.
    static std::vector<unsigned> numbers();

    unsigned number() const { return table_->number; }
    // "Windows-1251 (Cyrillic)", translatable.
    MessageArgument name() const;
    // Whether some of its characters take two bytes (932, 936, 949, 950).
    bool isDoubleByte() const { return table_->doubleByte; }

    // The bytes that the code page writes for one code point, in order; none where it has no
    // such character. Private-use code points count as none.
    std::optional<Bytes> bytesOf(char32_t codePoint) const;
    // The byte of one character as a user sees it (a grapheme cluster, which the caller finds
    // and normalises): it must be one code point that the code page writes as one byte. Throws
    // NotInCodePage for no character, or one the code page does not hold; NotASingleByte for one
    // that it writes as several bytes.
    std::uint8_t codeOfCharacter(std::u32string_view character) const;
    // The character for a code given as a number, rounded to a whole number first (halves to
    // even). Throws OutOfRange unless that is 0 to 255, NoCharacter for a byte that stands for
    // no character on its own.
    char32_t characterFor(double code) const;

    // "82 a0": bytes as the hex field writes them.
    static std::string hexBytes(const Bytes& bytes);

private:
    explicit CodePage(const CodePageTable& table) : table_(&table) {}

    std::optional<std::uint8_t> singleByteOf(char32_t codePoint) const;
    std::optional<Bytes> severalBytesOf(char32_t codePoint) const;
    bool isLeadByte(std::uint8_t byte) const;
    // Two characters that a message offers the user instead, quoted.
    std::array<MessageArgument, 2> examples() const;

    const CodePageTable* table_;
};

} // namespace hexconv
