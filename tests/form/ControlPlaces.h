// SPDX-License-Identifier: MIT
#pragma once

#include "WindowOperations.h"

#include <array>

namespace hexconv {

// Where every visible control stands at 96 dots per inch, in pixels as the window's design gives
// them, and the caption it shows: one table for every front end's layout test.
struct ControlPlace {
    Control control;
    const char* name;
    int left;
    int top;
    int width;
    int height;
    const char* caption;
};

inline constexpr std::array<ControlPlace, 7> controlPlaces = {{
    {Control::Option1, "Option1", 8, 64, 105, 33, "ASCII"},
    {Control::Option3, "Option3", 8, 24, 113, 33, "Hex Decimal"},
    {Control::Text1, "Text1", 120, 72, 81, 27, ""},
    {Control::Text3, "Text3", 120, 32, 81, 25, ""},
    {Control::Command1, "Command1", 24, 120, 249, 25, "Calculate"},
    {Control::Command2, "Command2", 208, 72, 81, 25, "Copy"},
    {Control::Command3, "Command3", 208, 32, 81, 25, "Copy"},
}};

// The client area at 96 dots per inch.
inline constexpr int clientWidth = 301;
inline constexpr int clientHeight = 158;

} // namespace hexconv
