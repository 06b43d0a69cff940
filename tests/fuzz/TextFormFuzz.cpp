// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

using hexconv::Value;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const double number = input.number();
    const std::u32string text = Value::textForm(number);
    require(!text.empty(), "empty text form");
    require(Value::textFormHasPoint(number) == (text.find(U'.') != std::u32string::npos),
            "point test disagrees with the text form");
    if (!std::isfinite(number)) {
        require(text == U"NaN" || text == U"Infinity" || text == U"-Infinity",
                "odd name for a non-finite number");
        return 0;
    }
    for (char32_t c : text) {
        require((c >= U'0' && c <= U'9') || c == U'.' || c == U'-', "character outside a numeral");
    }
    require(text.back() != U'.', "trailing point");
    if (text.find(U'.') != std::u32string::npos) {
        require(text.back() != U'0', "trailing zero after the point");
    }
    require(Value::readNumber(text) == number, "text form does not read back");
    return 0;
}
