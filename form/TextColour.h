// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace hexconv {

// The text colour for a background the system scheme chose: the scheme's own text colour where
// it reads well on it (contrast of at least 4.5:1), otherwise black or white, whichever reads
// better; one of them always reaches 4.5:1. Colours are 0x00BBGGRR, as Win32 writes them.
class TextColour {
public:
    static std::uint32_t readableOn(std::uint32_t background, std::uint32_t schemeText);
};

} // namespace hexconv
