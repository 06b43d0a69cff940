// SPDX-License-Identifier: MIT
#pragma once

#include "Conversions.h"
#include "Failure.h"
#include "Value.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Turns the fuzzer's bytes into the program's inputs, and checks results. A broken check aborts,
// which libFuzzer reports as a crash together with the input.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool flag() { return take() & 1u; }

    // A double from eight bytes: every bit pattern, NaNs and infinities included.
    double number() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = (bits << 8) | take();
        }
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    char32_t character() {
        std::uint32_t c = 0;
        for (int i = 0; i < 4; ++i) {
            c = (c << 8) | take();
        }
        return static_cast<char32_t>(c);
    }

    // The rest of the input as a text: one byte per character (which reaches every ASCII
    // numeral quickly) or four bytes per character (any 32-bit value, surrogates included).
    std::u32string text() {
        const bool wide = flag();
        std::u32string text;
        while (size_ > 0) {
            text.push_back(wide ? character() : static_cast<char32_t>(take()));
        }
        return text;
    }

    hexconv::Value value() { return flag() ? hexconv::Value(number()) : hexconv::Value(text()); }

private:
    std::uint8_t take() {
        if (size_ == 0) {
            return 0;
        }
        --size_;
        return *data_++;
    }

    const std::uint8_t* data_;
    std::size_t size_;
};

inline void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// An event yield that counts, and aborts past a bound so that a runaway loop shows as a crash.
struct BoundedYield {
    explicit BoundedYield(int bound) : bound(bound) {}
    hexconv::Conversions::Yield yield() {
        return [this] { require(++count <= bound, "more yields than the bound"); };
    }
    int bound;
    int count = 0;
};

inline bool isBitString(const std::u32string& text) {
    if (text.size() != 8) {
        return false;
    }
    for (char32_t c : text) {
        if (c != U'0' && c != U'1') {
            return false;
        }
    }
    return true;
}

inline char32_t lowerAscii(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c;
}
