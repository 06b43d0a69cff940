// SPDX-License-Identifier: MIT
// Writes the program's icon as SVG, for the page and its manifest: one square per pixel, so that
// it scales to any size with its two colours and its pixels sharp.
#include "Form1Icon.h"
#include "Rgb.h"

#include <array>
#include <cstdio>
#include <string>

using hexconv::Form1Icon;

namespace {

std::string hex(std::uint32_t bgr) {
    std::array<char, 8> text{};
    const auto rgb = hexconv::Rgb::of(bgr);
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text.data();
}

} // namespace

int main() try {
    const std::string side = std::to_string(Form1Icon::Side);
    std::string digits;
    for (int y = 0; y < Form1Icon::Side; ++y) {
        for (int x = 0; x < Form1Icon::Side; ++x) {
            if (Form1Icon::isDigit(x, y)) {
                digits += "M" + std::to_string(x) + " " + std::to_string(y) + "h1v1h-1z";
            }
        }
    }
    std::printf("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %s %s\" "
                "shape-rendering=\"crispEdges\"><rect width=\"%s\" height=\"%s\" fill=\"%s\"/>"
                "<path fill=\"%s\" d=\"%s\"/></svg>\n",
                side.c_str(), side.c_str(), side.c_str(), side.c_str(),
                hex(Form1Icon::Ground).c_str(), hex(Form1Icon::Digits).c_str(), digits.c_str());
} catch (...) {
    return 1;
}
