// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "Failure.h"
#include "Form1Window.h"
#include "SystemCodePage.h"
#include "Translations.h"
#include "Utf16.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>
#include <exception>
#include <optional>
#include <string>

namespace {

// The value of --code-page N or --code-page=N on the program's own command line, the last one
// given; every other argument is ignored.
std::optional<std::wstring> codePageOption() {
    const std::wstring option = L"--code-page";
    // The shell's library, which splits the command line, is loaded only where the option may be.
    if (std::wcsstr(GetCommandLineW(), option.c_str()) == nullptr) {
        return std::nullopt;
    }
    HMODULE shell = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto split = reinterpret_cast<decltype(&CommandLineToArgvW)>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell, "CommandLineToArgvW")));
    int count = 0;
    LPWSTR* const arguments = split != nullptr ? split(GetCommandLineW(), &count) : nullptr;
    if (arguments == nullptr) {
        if (shell != nullptr) {
            FreeLibrary(shell);
        }
        return std::nullopt;
    }
    std::optional<std::wstring> value;
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == option) {
            value = i + 1 < count ? arguments[++i] : L"";
        } else if (argument.rfind(option + L"=", 0) == 0) {
            value = argument.substr(option.size() + 1);
        }
    }
    LocalFree(static_cast<HLOCAL>(arguments));
    FreeLibrary(shell);
    return value;
}

// Windows' ANSI code page, or where the system's is UTF-8 the one of the user's locale.
hexconv::CodePage systemCodePage() {
    DWORD userLocaleCodePage = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT,
                        LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&userLocaleCodePage),
                        sizeof(userLocaleCodePage) / sizeof(WCHAR)) == 0) {
        userLocaleCodePage = 0;
    }
    return hexconv::SystemCodePage::forWindows(GetACP(), userLocaleCodePage);
}

} // namespace

// The parameters keep the names that the Windows headers give them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/,
                    int nShowCmd) {
    // Before anything is loaded: a DLL that the program or Windows loads by name comes from the
    // system folder only, never from the program's folder or the current one, where a
    // download may have put one of the same name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    hexconv::Translations::choose(Catalogue::userLanguages());
    hexconv::CodePage codePage = systemCodePage();
    if (const std::optional<std::wstring> chosen = codePageOption()) {
        try {
            codePage = hexconv::SystemCodePage::named(Utf16::toUtf8(*chosen));
        } catch (const hexconv::UnknownCodePage&) {
            Form1Window::showFailure(nullptr, std::current_exception());
            return 2;
        }
    }
    try {
        Form1Window form(hInstance, codePage);
        form.show(nShowCmd);
        return form.runMessageLoop();
    } catch (const std::exception&) {
        Form1Window::showFailure(nullptr, std::current_exception());
        return 1;
    }
}
