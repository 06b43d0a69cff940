// SPDX-License-Identifier: MIT
// Prints, in UTF-8 and one per line, the texts of the controls of a top-level window that another
// process shows, found by its class and title: a message box's message and buttons, the program
// window's captions. For the tests of the real program and of the installer, whose windows
// belong to processes of their own. With "focused", only the text of the control that has the
// keyboard focus in that window's thread.
// Usage: read_window_texts CLASS TITLE [focused]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK print(HWND control, LPARAM /*unused*/) {
    // Asked by message, which Windows carries across processes.
    const auto length = static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
    std::printf("%s\n", utf8.c_str());
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    HWND window = argc >= 3 ? FindWindowW(argv[1], argv[2]) : nullptr;
    if (window == nullptr) {
        return 1;
    }
    if (argc == 4 && std::wstring(argv[3]) == L"focused") {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof(thread);
        return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) != 0 &&
                       thread.hwndFocus != nullptr
                   ? print(thread.hwndFocus, 0) - 1
                   : 1;
    }
    EnumChildWindows(window, &print, 0);
    return 0;
}
