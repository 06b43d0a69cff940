// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace hexconv {

// A colour as a reference into the system colour scheme, in the Win32 numbering: the high bit
// set and the system colour index in the low byte (a value without the high bit is a fixed
// 0x00BBGGRR colour): the fields' backgrounds, which a front end resolves against the scheme each
// time it paints, so that they follow the scheme.
class SystemColour {
public:
    explicit constexpr SystemColour(std::uint32_t reference) : reference_(reference) {}

    constexpr std::uint32_t reference() const { return reference_; }
    constexpr bool isSystemReference() const { return (reference_ & 0x80000000U) != 0; }
    constexpr int index() const { return static_cast<int>(reference_ & 0xFFU); }

    friend constexpr bool operator==(SystemColour, SystemColour) = default;

private:
    std::uint32_t reference_;
};

} // namespace hexconv
