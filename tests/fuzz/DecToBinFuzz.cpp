// SPDX-License-Identifier: MIT
#include "FuzzInput.h"

using hexconv::Conversions;
using hexconv::Value;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const Value dec = input.value();
    BoundedYield counter(8);
    try {
        const Value bits = Conversions::DecToBin(dec, counter.yield());
        require(isBitString(bits.toText()), "result is not eight bits");
        require(counter.count == 8, "not exactly eight yields");
        BoundedYield none(0);
        require(Conversions::BinToDec(bits, none.yield()).toNumber() == dec.toNumber(),
                "bits do not read back");
    } catch (const hexconv::TypeMismatch&) {
        require(dec.isText() && counter.count == 1, "type mismatch for a number, or late");
    } catch (const hexconv::OutOfRange&) {
        require(counter.count == 1, "out-of-range failure came late");
    }
    return 0;
}
