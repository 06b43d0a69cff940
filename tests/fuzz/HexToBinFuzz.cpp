// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

using hexconv::Conversions;
using hexconv::Value;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::u32string text = input.text();
    BoundedYield counter(16);
    try {
        const std::u32string bits = Conversions::HexToBin(Value(text), counter.yield()).toText();
        require(isBitString(bits), "result is not eight bits");
        require(counter.count == 16, "not sixteen yields");
        const std::u32string hex = Conversions::BinToHex(Value(bits)).toText();
        require(hex == std::u32string{lowerAscii(text.front()), lowerAscii(text.back())},
                "bits do not give back the first and last digit");
    } catch (const hexconv::TypeMismatch&) {
    }
    return 0;
}
