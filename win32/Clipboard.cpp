// SPDX-License-Identifier: MIT
#include "Clipboard.h"

#include "ClipboardUnavailable.h"
#include "Utf16.h"

#include <algorithm>
#include <new>

using hexconv::ClipboardUnavailable;

void Clipboard::open() const {
    constexpr int attempts = 20;
    constexpr DWORD pause = 10; // milliseconds
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (OpenClipboard(owner_) != 0) {
            return;
        }
        Sleep(pause);
    }
    throw ClipboardUnavailable::heldByAnotherProgram();
}

void Clipboard::clear() const {
    open();
    const bool emptied = EmptyClipboard() != 0;
    CloseClipboard();
    if (!emptied) {
        throw ClipboardUnavailable::refusedTheText();
    }
}

void Clipboard::setText(const std::u32string& text) const {
    const std::wstring units = Utf16::fromUtf32(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    if (target == nullptr) {
        GlobalFree(memory);
        throw std::bad_alloc();
    }
    std::copy(units.c_str(), units.c_str() + units.size() + 1, target);
    GlobalUnlock(memory);
    try {
        open();
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
    // The copy cleared the clipboard just before, which made this window its owner.
    if (GetClipboardOwner() != owner_) {
        EmptyClipboard();
    }
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory);
        throw ClipboardUnavailable::refusedTheText();
    }
}
