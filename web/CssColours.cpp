// SPDX-License-Identifier: MIT
#include "CssColours.h"

#include "Rgb.h"
#include "TextColour.h"

#include <array>
#include <cstdint>
#include <cstdio>

using emscripten::val;
using hexconv::Rgb;

namespace {

// The CSS system colour that plays the part of each Win32 system colour index 0 to 24.
constexpr std::array<const char*, 25> cssSystemColours = {
    "ButtonFace",                         // 0 scroll bar
    "GrayText",                           // 1 desktop
    "Highlight",                          // 2 active title bar
    "GrayText",                           // 3 inactive title bar
    "ButtonFace",                         // 4 menu
    "Field",                              // 5 window background
    "ButtonBorder",                       // 6 window frame
    "ButtonText",                         // 7 menu text
    "FieldText",                          // 8 window text
    "var(--caption-text, HighlightText)", // 9 active title bar text
    "ButtonFace",                         // 10 active border
    "ButtonFace",                         // 11 inactive border
    "GrayText",                           // 12 application workspace
    "Highlight",                          // 13 selection
    "HighlightText",                      // 14 selected text
    "ButtonFace",                         // 15 button face
    "GrayText",                           // 16 button shadow
    "GrayText",                           // 17 grey text
    "ButtonText",                         // 18 button text
    "ButtonText",                         // 19 inactive title bar text
    "Canvas",                             // 20 button highlight
    "ButtonBorder",                       // 21 3D dark shadow
    "ButtonFace",                         // 22 3D light
    "CanvasText",                         // 23 tooltip text
    "Canvas",                             // 24 tooltip background
};

std::string cssColour(std::uint32_t bgr) {
    const Rgb rgb = Rgb::of(bgr);
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

// A colour as the browser resolved it ("rgb(239, 239, 239)"), as 0x00BBGGRR.
std::uint32_t resolved(const val& element, const char* property) {
    const auto css =
        val::global("window").call<val>("getComputedStyle", element)[property].as<std::string>();
    Rgb rgb;
    std::sscanf(css.c_str(), "rgb%*[a(]%u, %u, %u", &rgb.red, &rgb.green, &rgb.blue);
    return rgb.bgr();
}

} // namespace

std::string CssColours::of(hexconv::SystemColour colour) {
    if (!colour.isSystemReference()) {
        return cssColour(colour.reference());
    }
    const auto index = static_cast<std::size_t>(colour.index());
    return index < cssSystemColours.size() ? cssSystemColours.at(index) : "ButtonFace";
}

void CssColours::paint(const val& element, hexconv::SystemColour background) {
    val style = element["style"];
    style.set("backgroundColor", of(background));
    style.set("color", "FieldText");
    const std::uint32_t schemeText = resolved(element, "color");
    const std::uint32_t chosen =
        hexconv::TextColour::readableOn(resolved(element, "backgroundColor"), schemeText);
    if (chosen != schemeText) {
        style.set("color", cssColour(chosen));
    }
}
