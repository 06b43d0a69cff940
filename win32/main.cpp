// SPDX-License-Identifier: MIT
#include "Form1Window.h"
#include "Utf16.h"

#include <commctrl.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        Form1Window form(instance);
        form.show(showCommand);
        return form.runMessageLoop();
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, Utf16::fromUtf8(failure.what()).c_str(), L"Hex Converter",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
