// SPDX-License-Identifier: MIT
#pragma once

#include "SystemColour.h"

#include <emscripten/val.h>

#include <string>

// The Win32 system colour references as the page's CSS paints them: each index as the CSS system
// colour that plays its part, so that dark mode and forced colours follow the system, and a field
// given a background with a text colour that reads on it.
class CssColours {
public:
    // "ButtonFace", or "rgb(0, 120, 215)" for a fixed colour.
    static std::string of(hexconv::SystemColour colour);
    // The background, and on it the scheme's text colour where it reads well, otherwise black or
    // white, as the browser resolves them now.
    static void paint(const emscripten::val& element, hexconv::SystemColour background);
};
