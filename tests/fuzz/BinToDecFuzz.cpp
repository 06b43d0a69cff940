// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

using hexconv::Conversions;
using hexconv::Value;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::u32string text = input.text();
    BoundedYield counter(8);
    try {
        const double number = Conversions::BinToDec(Value(text), counter.yield()).toNumber();
        require(number >= 0 && number <= 255 && number == std::floor(number),
                "not a whole number 0-255");
        require(counter.count == 8 - static_cast<int>(text.size()), "not 8 - n yields");
        BoundedYield again(8);
        const std::u32string bits = Conversions::DecToBin(Value(number), again.yield()).toText();
        require(bits == std::u32string(8 - text.size(), U'0') + text,
                "number does not give back the bits");
    } catch (const hexconv::TypeMismatch&) {
    } catch (const hexconv::InvalidBitString&) {
    }
    return 0;
}
