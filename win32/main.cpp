// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "Form1Description.h"
#include "Form1Window.h"
#include "Utf16.h"

#include <commctrl.h>

#include <exception>

// The parameters keep the names that the Windows headers give them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/,
                    int nShowCmd) {
    // Before anything is loaded: a DLL that the program or Windows loads by name comes from the
    // system folder only, never from the program's folder or the current one, where a
    // download may have put one of the same name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Catalogue::load(Catalogue::userLanguages());
    try {
        Form1Window form(hInstance);
        form.show(nShowCmd);
        return form.runMessageLoop();
    } catch (const std::exception& failure) {
        MessageBoxW(nullptr, Utf16::fromUtf8(failure.what()).c_str(),
                    Utf16::fromUtf8(hexconv::Form1Description::Title).c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
