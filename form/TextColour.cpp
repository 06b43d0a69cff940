// SPDX-License-Identifier: MIT
#include "TextColour.h"

#include "Rgb.h"

#include <algorithm>
#include <cmath>

namespace hexconv {

namespace {

constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t white = 0xFFFFFF;

double relativeLuminance(std::uint32_t colour) {
    const auto linear = [](unsigned channel) {
        const double c = static_cast<double>(channel) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const Rgb rgb = Rgb::of(colour);
    return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

double contrast(std::uint32_t a, std::uint32_t b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

std::uint32_t TextColour::readableOn(std::uint32_t background, std::uint32_t schemeText) {
    constexpr double readable = 4.5;
    if (contrast(schemeText, background) >= readable) {
        return schemeText;
    }
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

} // namespace hexconv
