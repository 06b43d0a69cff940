// SPDX-License-Identifier: MIT
#include "Win32Fixture.h"

#include <array>
#include <cstring>
#include <cwchar>

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

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HICON*>(found) =
            reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

void CALLBACK answerBox(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &findBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        return;
    }
    if (!Win32Fixture::boxes.empty() && Win32Fixture::boxes.back().handle == box) {
        // Still there: the key went elsewhere. OK it directly, so that nothing waits on it.
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
    }
    constexpr int messageText = 0xFFFF; // the static control of a message box's text
    HICON icon = nullptr;
    EnumChildWindows(box, &findIcon, reinterpret_cast<LPARAM>(&icon));
    Win32Fixture::boxes.push_back({windowText(box), windowText(GetDlgItem(box, messageText)),
                                   boxOwner != nullptr && IsWindowEnabled(boxOwner) == 0, box,
                                   icon});
    SetForegroundWindow(box);
    send({keyInput(VK_RETURN, false), keyInput(VK_RETURN, true)});
}

} // namespace

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Win32Fixture::SetUp() {
    boxes.clear();
    answering_ = SetTimer(nullptr, 0, 50, &answerBox);
    form = std::make_unique<Form1Window>(GetModuleHandleW(nullptr), codePage);
    form->show(SW_SHOWNORMAL);
    SetForegroundWindow(form->handle());
    pump();
    boxOwner = form->handle();
}

void Win32Fixture::TearDown() {
    KillTimer(nullptr, answering_);
    if (!boxesExpected_) {
        for (const MessageBoxSeen& box : boxes) {
            ADD_FAILURE() << "an unexpected message box: "
                          << std::string(box.text.begin(), box.text.end());
        }
    }
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
    keysThenText({}, text);
}

void Win32Fixture::keysThenText(const std::vector<std::pair<WORD, bool>>& keys,
                                const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (const auto& [key, up] : keys) {
        inputs.push_back(keyInput(key, up));
    }
    for (const wchar_t unit : text) {
        inputs.push_back(keyInput(unit, false, KEYEVENTF_UNICODE));
        inputs.push_back(keyInput(unit, true, KEYEVENTF_UNICODE));
    }
    send(inputs);
    pump();
}

bool Win32Fixture::pumpUntil(const std::function<bool()>& condition) {
    constexpr int rounds = 40;
    for (int round = 0; round < rounds && !condition(); ++round) {
        pump();
        Sleep(50);
    }
    return condition();
}

void Win32Fixture::click(Control which, int times) {
    const INPUT move = pointAt(which);
    INPUT down = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    INPUT up = move;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    send({move});
    pump();
    std::vector<INPUT> clicks;
    for (int i = 0; i < times; ++i) {
        clicks.push_back(down);
        clicks.push_back(up);
    }
    send(clicks);
    pump();
}

void Win32Fixture::hover(Control which) {
    send({pointAt(which)});
    pump();
}

INPUT Win32Fixture::pointAt(Control which) const {
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
    return move;
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

// The text up to its NUL, which must lie inside the clipboard's block: a text put there without
// one, or with more after it, does not read back as it was given.
std::wstring Win32Fixture::clipboard(UINT format) {
    std::wstring text = L"(nothing on the clipboard)";
    if (OpenClipboard(nullptr) == 0) {
        return L"(clipboard not opened)";
    }
    if (HANDLE data = GetClipboardData(format)) {
        const SIZE_T bytes = GlobalSize(data);
        const void* block = GlobalLock(data);
        if (format == CF_UNICODETEXT) {
            const auto* units = static_cast<const wchar_t*>(block);
            const std::size_t length = wcsnlen(units, bytes / sizeof(wchar_t));
            text = length < bytes / sizeof(wchar_t) ? std::wstring(units, length) : L"(no NUL)";
        } else {
            const auto* ansi = static_cast<const char*>(block);
            const std::size_t length = strnlen(ansi, bytes);
            text = length < bytes ? std::wstring(ansi, ansi + length) : L"(no NUL)";
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
