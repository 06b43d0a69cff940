// SPDX-License-Identifier: MIT
#include "Dpi.h"

namespace {

template <typename Function> Function user32(const char* name) {
    // Windows 10 functions, looked up so that the program still starts where they are missing;
    // through void (*)(), which any function pointer converts from and to without a warning.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT Dpi::of(HWND window) {
    using GetDpiForWindow = UINT(WINAPI*)(HWND);
    static const auto forWindow = user32<GetDpiForWindow>("GetDpiForWindow");
    if (forWindow != nullptr && window != nullptr) {
        if (const UINT dpi = forWindow(window); dpi != 0) {
            return dpi;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

RECT Dpi::frameAround(int width, int height, DWORD style, UINT dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, width, height};
    if (adjustForDpi == nullptr || adjustForDpi(&frame, style, FALSE, 0, dpi) == 0) {
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    return frame;
}
