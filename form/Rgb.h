// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace hexconv {

// A colour as its red, green and blue, 0 to 255 each, and as the 0x00BBGGRR number in which Win32
// and the system colour references write it.
struct Rgb {
    unsigned red = 0;
    unsigned green = 0;
    unsigned blue = 0;

    static constexpr Rgb of(std::uint32_t bgr) {
        return {bgr & 0xFFU, (bgr >> 8U) & 0xFFU, (bgr >> 16U) & 0xFFU};
    }

    constexpr std::uint32_t bgr() const {
        return (red & 0xFFU) | (green & 0xFFU) << 8U | (blue & 0xFFU) << 16U;
    }
};

} // namespace hexconv
