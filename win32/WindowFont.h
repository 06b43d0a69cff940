// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

// The window's one font, as the window's description names it (face, size, weight, ANSI
// character set), made for a monitor's resolution, for the window to give every control, and
// deleted with this object. Where that face lacks the script of the captions, the system's message
// font in the character set of the language's code page, which Windows' font mapper gives a face
// that has it.
class WindowFont {
public:
    WindowFont(UINT dpi, const std::wstring& captions);
    ~WindowFont();
    WindowFont(const WindowFont&) = delete;
    WindowFont& operator=(const WindowFont&) = delete;
    WindowFont(WindowFont&&) = delete;
    WindowFont& operator=(WindowFont&&) = delete;

    HFONT handle() const { return font_; }

private:
    HFONT font_;
};
