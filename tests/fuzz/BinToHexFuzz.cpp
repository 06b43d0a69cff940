// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

using hexconv::Conversions;
using hexconv::Value;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::u32string text = input.text();
    try {
        const std::u32string hex = Conversions::BinToHex(Value(text)).toText();
        require(hex.size() == 2, "not two hex digits");
        for (char32_t c : hex) {
            require((c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'f'),
                    "not a lowercase hex digit");
        }
        BoundedYield counter(16);
        require(Conversions::HexToBin(Value(hex), counter.yield()).toText() == text,
                "hex does not give back the bits");
    } catch (const hexconv::TypeMismatch&) {
    } catch (const hexconv::InvalidBitString&) {
    }
    return 0;
}
