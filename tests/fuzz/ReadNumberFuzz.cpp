// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

using hexconv::Value;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::u32string text = input.text();
    try {
        const double number = Value::readNumber(text);
        require(!std::isnan(number), "a numeral read as NaN");
        if (std::isfinite(number) && number != 0) {
            require(Value::readNumber(Value::textForm(number)) == number,
                    "text form does not read back");
        }
    } catch (const hexconv::TypeMismatch&) {
    }
    return 0;
}
