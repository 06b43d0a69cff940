// SPDX-License-Identifier: MIT
#include "Conversions.h"

#include "Failure.h"

#include <cmath>
#include <string_view>

namespace hexconv {

namespace {

constexpr std::size_t bitStringLength = 8;

// A single character read as a number, which must then be a bit.
double bitAt(const std::u32string& text, std::size_t index) {
    const double digit = Value::readNumber(std::u32string_view(text).substr(index, 1));
    if (digit != 0 && digit != 1) {
        throw InvalidBitString(
            HEXCONV_TRANSLATABLE("Failure", "A bit string holds only the digits 0 and 1, not %1."),
            {Value::asciiTextForm(digit)});
    }
    return digit;
}

double nibbleAt(const std::u32string& text, std::size_t first) {
    return bitAt(text, first + 3) * 1 + bitAt(text, first + 2) * 2 + bitAt(text, first + 1) * 4 +
           bitAt(text, first) * 8;
}

std::u32string hexDigit(double nibble) {
    static constexpr std::u32string_view letters = U"abcdef";
    if (nibble >= 10) {
        return std::u32string(1, letters[static_cast<int>(nibble) - 10]);
    }
    return Value::textForm(nibble);
}

// A hex digit as DecToBin takes it: letters as the numbers 10-15, anything else as its own text.
Value digitArgument(std::u32string_view digit) {
    if (digit.size() == 1) {
        char32_t c = digit.front();
        if (c >= U'A' && c <= U'Z') {
            c += U'a' - U'A';
        }
        if (c >= U'a' && c <= U'f') {
            return Value(static_cast<double>(10 + (c - U'a')));
        }
    }
    return Value(std::u32string(digit));
}

// The four bits of one hex digit, through DecToBin. DecToBin's failure to read the digit as a
// number stays a type mismatch, raised at the same step, but says which digit was wrong.
std::u32string digitBits(std::u32string_view digit, const Conversions::Yield& yield) {
    try {
        const std::u32string bits = Conversions::DecToBin(digitArgument(digit), yield).toText();
        return bits.substr(bits.size() - 4);
    } catch (const TypeMismatch&) {
        throw TypeMismatch::notAHexDigit(digit);
    }
}

} // namespace

Value Conversions::DecToBin(const Value& dec, const Yield& yield) {
    std::u32string bits;
    bits.reserve(bitStringLength);

    // The halving loop tests at its end and yields at the start of every step; the first step's
    // yield comes before the argument is read, so a failure follows exactly one yield.
    yield();
    double number = dec.toNumber();
    if (!(number >= 0 && number <= 255 && number == std::floor(number))) {
        // Outside this domain the halving would settle at -1 or the padding never reach eight.
        throw OutOfRange(
            HEXCONV_TRANSLATABLE("Failure",
                                 "%1 is not a byte value: a byte is a whole number from 0 to 255."),
            {Value::asciiTextForm(number)});
    }
    for (;;) {
        number /= 2;
        char32_t bit = U'0';
        if (Value::textFormHasPoint(number)) {
            number -= 0.5;
            bit = U'1';
        }
        bits.insert(bits.begin(), bit);
        if (number == 0) {
            break;
        }
        yield();
    }
    while (bits.size() != bitStringLength) {
        yield();
        bits.insert(bits.begin(), U'0');
    }
    return Value(std::move(bits));
}

Value Conversions::BinToDec(const Value& bin, const Yield& yield) {
    std::u32string text = bin.toText();
    if (text.size() > bitStringLength) {
        throw InvalidBitString(
            HEXCONV_TRANSLATABLE("Failure", "A bit string has at most 8 characters, not %1."),
            {std::to_string(text.size())});
    }
    while (text.size() != bitStringLength) {
        yield();
        text.insert(text.begin(), U'0');
    }
    double sum = 0;
    for (std::size_t i = bitStringLength; i-- > 0;) {
        sum += bitAt(text, i) * std::ldexp(1.0, static_cast<int>(bitStringLength - 1 - i));
    }
    return Value(sum);
}

Value Conversions::BinToHex(const Value& hexval) {
    const std::u32string text = hexval.toText();
    if (text.size() != bitStringLength) {
        throw InvalidBitString(
            HEXCONV_TRANSLATABLE(
                "Failure", "Two hex digits need a bit string of exactly 8 characters, not %1."),
            {std::to_string(text.size())});
    }
    return Value(hexDigit(nibbleAt(text, 0)) + hexDigit(nibbleAt(text, 4)));
}

Value Conversions::HexToBin(const Value& hex, const Yield& yield) {
    const std::u32string text = hex.toText();
    const std::u32string_view view(text);
    const std::u32string_view first = view.substr(0, 1);
    const std::u32string_view last = view.empty() ? view : view.substr(view.size() - 1);

    const std::u32string high = digitBits(first, yield);
    const std::u32string low = digitBits(last, yield);
    return Value(high + low);
}

} // namespace hexconv
