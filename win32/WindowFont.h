// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// The window's one font, as the window's description names it (face, size, weight, ANSI
// character set), made for a monitor's resolution, for the window to give every control, and
// deleted with this object.
class WindowFont {
public:
    explicit WindowFont(UINT dpi);
    ~WindowFont();
    WindowFont(const WindowFont&) = delete;
    WindowFont& operator=(const WindowFont&) = delete;
    WindowFont(WindowFont&&) = delete;
    WindowFont& operator=(WindowFont&&) = delete;

    HFONT handle() const { return font_; }

private:
    HFONT font_;
};
