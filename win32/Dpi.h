// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// A monitor's resolution and what follows from it for the window: the frame around a client area
// of a given size, by which the window sizes itself. Windows 10's per-monitor functions are used
// where they exist, the system's resolution elsewhere.
class Dpi {
public:
    // The resolution of the monitor the window is on (96 for none).
    static UINT of(HWND window);
    // The window rectangle whose client area is width x height pixels, for a window of that style.
    static RECT frameAround(int width, int height, DWORD style, UINT dpi);
};
