// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

// The system clipboard as the Copy buttons use it: cleared, then given a text as CF_UNICODETEXT.
// Another program may hold the clipboard for a moment; each step waits a little for it, then
// raises ClipboardUnavailable rather than copying nothing in silence.
class Clipboard {
public:
    // The window that owns what it puts on the clipboard.
    explicit Clipboard(HWND owner) : owner_(owner) {}

    void clear() const;
    // As UTF-16 only: Windows derives the ANSI and OEM forms itself when a program asks for them.
    void setText(const std::u32string& text) const;

private:
    void open() const;

    HWND owner_;
};
