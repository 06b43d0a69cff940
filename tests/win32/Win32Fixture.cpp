// SPDX-License-Identifier: MIT
#include "Win32Fixture.h"

#include <array>

using hexconv::Control;
using hexconv::Field;

std::vector<Win32Fixture::MessageBoxSeen> Win32Fixture::boxes;

namespace {

HWND boxOwner = nullptr;

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT keyInput(WORD key, bool up, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = (flags & KEYEVENTF_UNICODE) != 0 ? 0 : key;
    input.ki.wScan = (flags & KEYEVENTF_UNICODE) != 0 ? key : 0;
    input.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    std::array<wchar_t, 16> kind{};
    GetClassNameW(window, kind.data(), static_cast<int>(kind.size()));
    if (std::wstring(kind.data()) == L"#32770" && IsWindowVisible(window) != 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CALLBACK answerBox(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &findBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    KillTimer(nullptr, timer);
    constexpr int messageText = 0xFFFF; // the static control of a message box's text
    Win32Fixture::boxes.push_back({windowText(box), windowText(GetDlgItem(box, messageText)),
                                   boxOwner != nullptr && IsWindowEnabled(boxOwner) == 0});
    SetForegroundWindow(box);
    send({keyInput(VK_RETURN, false), keyInput(VK_RETURN, true)});
}

} // namespace

void Win32Fixture::SetUp() {
    boxes.clear();
    form = std::make_unique<Form1Window>(GetModuleHandleW(nullptr));
    form->show(SW_SHOWNORMAL);
    SetForegroundWindow(form->handle());
    pump();
    boxOwner = form->handle();
}

void Win32Fixture::TearDown() {
    form.reset();
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        DispatchMessageW(&message); // a quit left by a closed window goes too
    }
}

// Timers and repaints (a focused button's glow, the caret) never stop coming: only input, posted
// and sent messages count as activity.
void Win32Fixture::pump() {
    constexpr DWORD idle = 60;
    constexpr int limit = 50;
    for (int round = 0; round < limit; ++round) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            if (form != nullptr) {
                form->dispatch(message);
            }
        }
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, idle,
                                      QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE) == WAIT_TIMEOUT) {
            return;
        }
    }
}

void Win32Fixture::press(WORD key, bool shift) {
    std::vector<INPUT> inputs;
    if (shift) {
        inputs.push_back(keyInput(VK_SHIFT, false));
    }
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    if (shift) {
        inputs.push_back(keyInput(VK_SHIFT, true));
    }
    send(inputs);
    pump();
}

void Win32Fixture::type(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : text) {
        inputs.push_back(keyInput(unit, false, KEYEVENTF_UNICODE));
        inputs.push_back(keyInput(unit, true, KEYEVENTF_UNICODE));
    }
    send(inputs);
    pump();
}

void Win32Fixture::click(Control which) {
    RECT area{};
    GetWindowRect(control(which), &area);
    const auto absolute = [](LONG at, int metric) {
        return static_cast<LONG>((at * 65535) / (GetSystemMetrics(metric) - 1));
    };
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = absolute((area.left + area.right) / 2, SM_CXSCREEN);
    move.mi.dy = absolute((area.top + area.bottom) / 2, SM_CYSCREEN);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    INPUT up = move;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    send({move});
    pump();
    send({down, up});
    pump();
}

void Win32Fixture::selectHexMode() {
    click(Control::Option3);
}

std::string Win32Fixture::focusName() const {
    static const std::array<const char*, 7> names = {"Option1",  "Option3",  "Text1",   "Text3",
                                                     "Command1", "Command2", "Command3"};
    HWND focused = GetFocus();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (focused == control(static_cast<Control>(i))) {
            return names.at(i);
        }
    }
    return focused == nullptr ? "nothing" : "another window";
}

std::wstring Win32Fixture::text(Field field) const {
    return windowText(form->fieldHandle(field));
}

void Win32Fixture::answerMessageBoxes() {
    SetTimer(nullptr, 0, 50, &answerBox);
}

std::wstring Win32Fixture::clipboard(UINT format) {
    std::wstring text;
    if (OpenClipboard(nullptr) == 0) {
        return L"(clipboard not opened)";
    }
    if (HANDLE data = GetClipboardData(format)) {
        if (format == CF_UNICODETEXT) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
        } else {
            const std::string ansi = static_cast<const char*>(GlobalLock(data));
            text.assign(ansi.begin(), ansi.end());
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void Win32Fixture::setClipboard(const std::wstring& text) const {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, target);
    GlobalUnlock(memory);
    OpenClipboard(form->handle()); // an owner, or the data would not be taken
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}
