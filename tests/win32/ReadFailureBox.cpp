// SPDX-License-Identifier: MIT
// Prints, in UTF-8, the text of the message box titled "Hex Converter" that another process
// shows: for the tests of the real program, where the box belongs to a process of its own.
#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

int main() {
    HWND box = FindWindowW(L"#32770", L"Hex Converter");
    if (box == nullptr) {
        return 1;
    }
    // A message box's text is the static control of this id.
    constexpr int textId = 0xFFFF;
    std::array<wchar_t, 2048> text{};
    GetDlgItemTextW(box, textId, text.data(), static_cast<int>(text.size()));
    std::string utf8(text.size() * 3, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), -1, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, nullptr);
    std::fwrite(utf8.data(), 1, length > 0 ? static_cast<std::size_t>(length - 1) : 0, stdout);
    return 0;
}
