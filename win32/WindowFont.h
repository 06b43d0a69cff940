// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// The window's one font, as the window's description names it (face, size, weight, ANSI
// character set), made for a monitor's resolution and deleted with this object. It sets no
// control's font.
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
