// SPDX-License-Identifier: MIT
#pragma once

#include "Value.h"

#include <functional>

namespace hexconv {

// The four byte conversions between a decimal value, its eight-digit bit string and its two hex
// digits, for the window's chains to call: the caller passes in the event yield that the two
// looping routines perform at every step, so that other work may run in the middle of a call.
// Each works on a copy and gives its result, so a caller's value stays as it was.
class Conversions {
public:
    using Yield = std::function<void()>;

    // A whole number 0-255 (or a text that reads as one) to eight "0"/"1" characters, by repeated
    // halving: exactly eight yields. A text that does not read throws TypeMismatch after the first
    // yield; any other number (256, -1, 1.5, NaN) throws OutOfRange there instead of looping.
    static Value DecToBin(const Value& dec, const Yield& yield);
    // Up to eight "0"/"1" characters to their number, padding shorter texts with leading zeros
    // (8 - n yields). Longer texts and digits 2-9 throw InvalidBitString; non-numerals
    // TypeMismatch.
    static Value BinToDec(const Value& bin, const Yield& yield);
    // Exactly eight "0"/"1" characters to two lowercase hex digits; no yield. Other lengths and
    // digits 2-9 throw InvalidBitString; non-numerals TypeMismatch.
    static Value BinToHex(const Value& hexval);
    // A hex pair, either case, to its bit string; only the first and last characters count.
    // Each digit goes through DecToBin, so 16 yields; a non-hex digit throws TypeMismatch.
    static Value HexToBin(const Value& hex, const Yield& yield);
};

} // namespace hexconv
