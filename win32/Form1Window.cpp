// SPDX-License-Identifier: MIT
#include "Form1Window.h"

#include "CharacterDescription.h"
#include "FailureReport.h"
#include "TextColour.h"
#include "Utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

using hexconv::Control;
using hexconv::Field;
using hexconv::Form1;
using hexconv::Option;
using hexconv::SystemColour;

namespace {

constexpr const wchar_t* className = L"HexConverterForm1";
constexpr const wchar_t* title = L"Hex Converter";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int iconResource = 1;
constexpr UINT_PTR buttonSubclass = 1;

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// The visible controls in the order of Control, then the hidden fields, which lie beyond the
// right edge of the client area.
constexpr std::array<Twips, 7> controlTwips = {{{120, 960, 1575, 495},
                                                {120, 360, 1695, 495},
                                                {1800, 1080, 1215, 405},
                                                {1800, 480, 1215, 375},
                                                {360, 1800, 3735, 375},
                                                {3120, 1080, 1215, 375},
                                                {3120, 480, 1215, 375}}};
constexpr Twips hiddenTwips = {4800, 0, 1215, 375};
constexpr int clientWidthTwips = 4515;
constexpr int clientHeightTwips = 2370;
constexpr int twipsPerInch = 1440;

int pixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), twipsPerInch);
}

std::size_t slot(Control control) {
    return static_cast<std::size_t>(control);
}

std::size_t slot(Field field) {
    return static_cast<std::size_t>(field);
}

template <typename Function> Function user32(const char* name) {
    // Windows 10 functions, looked up so that the program still starts where they are missing;
    // through void (*)(), which any function pointer converts from and to without a warning.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT dpiOf(HWND window) {
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

RECT frameFor(int clientWidth, int clientHeight, UINT dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, clientWidth, clientHeight};
    if (adjustForDpi == nullptr || adjustForDpi(&frame, windowStyle, FALSE, 0, dpi) == 0) {
        AdjustWindowRectEx(&frame, windowStyle, FALSE, 0);
    }
    return frame;
}

HFONT fontFor(UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(825, static_cast<int>(dpi), 72 * 100); // 8.25 point
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcscpy_s(font.lfFaceName, LF_FACESIZE, L"Tahoma");
    return CreateFontIndirectW(&font);
}

COLORREF colourOf(SystemColour colour) {
    return colour.isSystemReference() ? GetSysColor(colour.index())
                                      : static_cast<COLORREF>(colour.reference() & 0xFFFFFFU);
}

HWND createChild(HWND parent, HINSTANCE instance, const wchar_t* kind, const wchar_t* caption,
                 DWORD style, int id) {
    HWND child =
        CreateWindowExW(0, kind, caption, WS_CHILD | style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (child == nullptr) {
        throw std::runtime_error("The window's controls could not be created.");
    }
    return child;
}

// The English caption: this program is not translated yet, but its words are the catalogue's.
std::wstring captionOf(Control control) {
    const auto caption = Form1::captionOf(control);
    return caption ? Utf16::fromUtf8(caption->english) : std::wstring();
}

bool keyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Form1Window::windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(iconResource), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
        GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR | LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(
        instance, MAKEINTRESOURCEW(iconResource), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
    // A second window in the same process (the tests make several) finds the class registered.
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("The window class could not be registered.");
    }
    window_ = CreateWindowExW(0, className, title, windowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("The window could not be created.");
    }
    // The window's own icons, which the task bar and Alt+Tab show.
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));
    createControls(instance);
    applyDpi(dpiOf(window_));
}

Form1Window::~Form1Window() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

void Form1Window::createControls(HINSTANCE instance) {
    // Created in tab order, so that the z-order a screen reader walks agrees with Tab.
    const DWORD option = WS_VISIBLE | BS_RADIOBUTTON | BS_NOTIFY;
    const DWORD field = WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
    controls_.at(slot(Control::Option1)) =
        createChild(window_, instance, WC_BUTTONW, captionOf(Control::Option1).c_str(),
                    option | WS_TABSTOP | WS_GROUP, 101);
    controls_.at(slot(Control::Option3)) = createChild(
        window_, instance, WC_BUTTONW, captionOf(Control::Option3).c_str(), option, 102);
    controls_.at(slot(Control::Text1)) =
        createChild(window_, instance, WC_EDITW, L"", field | WS_GROUP, 103);
    controls_.at(slot(Control::Text3)) = createChild(window_, instance, WC_EDITW, L"", field, 104);
    controls_.at(slot(Control::Command1)) = createChild(
        window_, instance, WC_BUTTONW, captionOf(Control::Command1).c_str(), button, 105);
    controls_.at(slot(Control::Command2)) = createChild(
        window_, instance, WC_BUTTONW, captionOf(Control::Command2).c_str(), button, 106);
    controls_.at(slot(Control::Command3)) = createChild(
        window_, instance, WC_BUTTONW, captionOf(Control::Command3).c_str(), button, 107);
    // The conversions' working storage: never shown, out of reach of every key.
    hidden_.at(0) = createChild(window_, instance, WC_EDITW, L"", ES_AUTOHSCROLL, 108);
    hidden_.at(1) = createChild(window_, instance, WC_EDITW, L"", ES_AUTOHSCROLL, 109);

    for (const Field each : {Field::Text1, Field::Text2, Field::Text3, Field::Text4}) {
        limitInput(fieldHandle(each), Form1::inputLimitOf(each));
    }
    for (const Control each : {Control::Command1, Control::Command2, Control::Command3}) {
        SetWindowSubclass(controlHandle(each), &Form1Window::buttonProcedure, buttonSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
    }

    // A control character or a no-break space draws as nothing: the tooltip says which
    // character it is.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    if (tooltip_ != nullptr) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(controlHandle(Control::Text1));
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Form1Window::applyDpi(UINT dpi) {
    dpi_ = dpi;
    HFONT previous = font_;
    font_ = fontFor(dpi);
    const auto place = [this](HWND control, const Twips& at) {
        SetWindowPos(control, nullptr, pixels(at.left, dpi_), pixels(at.top, dpi_),
                     pixels(at.width, dpi_), pixels(at.height, dpi_),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    };
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        place(controls_.at(i), controlTwips.at(i));
    }
    for (HWND field : hidden_) {
        place(field, hiddenTwips);
    }
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (previous != nullptr) {
        DeleteObject(previous);
    }
    const RECT frame = frameFor(pixels(clientWidthTwips, dpi), pixels(clientHeightTwips, dpi), dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Form1Window::controlHandle(Control control) const {
    return controls_.at(slot(control));
}

HWND Form1Window::fieldHandle(Field field) const {
    switch (field) {
    case Field::Text1:
        return controlHandle(Control::Text1);
    case Field::Text2:
        return hidden_.at(0);
    case Field::Text3:
        return controlHandle(Control::Text3);
    case Field::Text4:
        return hidden_.at(1);
    }
    return nullptr;
}

std::optional<Control> Form1Window::controlOf(HWND control) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (control != nullptr && controls_.at(i) == control) {
            return static_cast<Control>(i);
        }
    }
    return std::nullopt;
}

std::optional<Field> Form1Window::fieldOf(HWND control) const {
    for (const Field field : {Field::Text1, Field::Text2, Field::Text3, Field::Text4}) {
        if (control != nullptr && fieldHandle(field) == control) {
            return field;
        }
    }
    return std::nullopt;
}

void Form1Window::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // Focus arriving on an option selects it; selecting directly as well covers a window that
    // the system did not activate.
    SetFocus(controlHandle(Control::Option1));
    if (!isSelected(Option::Option1) && !isSelected(Option::Option3)) {
        select(Option::Option1);
    }
}

void Form1Window::dispatch(MSG& message) {
    if (routeKey(message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int Form1Window::runMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

// What a dialog's own message routing would do, but with the shared Tab rule: Tab and Shift+Tab
// through the tab order, the arrows between the two options, Enter on a focused button. Enter
// and Escape in a field press nothing (and do not beep).
bool Form1Window::routeKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || window_ == nullptr ||
        (message.hwnd != window_ && IsChild(window_, message.hwnd) == 0)) {
        return false;
    }
    const std::optional<Control> focused = controlOf(GetFocus());
    switch (message.wParam) {
    case VK_TAB: {
        if (keyDown(VK_CONTROL) || keyDown(VK_MENU)) {
            return false;
        }
        if (const auto stop = form_.nextTabStop(focused, !keyDown(VK_SHIFT))) {
            SetFocus(controlHandle(*stop));
            if (*stop == Control::Text1 || *stop == Control::Text3) {
                SendMessageW(controlHandle(*stop), EM_SETSEL, 0, -1);
            }
        }
        return true;
    }
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (focused == Control::Option1 || focused == Control::Option3) {
            SetFocus(
                controlHandle(focused == Control::Option1 ? Control::Option3 : Control::Option1));
            return true;
        }
        return false;
    case VK_RETURN:
        if (focused == Control::Command1 || focused == Control::Command2 ||
            focused == Control::Command3) {
            SendMessageW(controlHandle(*focused), BM_CLICK, 0, 0);
            return true;
        }
        return focused == Control::Text1 || focused == Control::Text3;
    case VK_ESCAPE:
        return focused == Control::Text1 || focused == Control::Text3;
    default:
        return false;
    }
}

LRESULT CALLBACK Form1Window::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Form1Window*>(creation->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT Form1Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
    case WM_COMMAND:
        handleCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        if (const auto brush =
                fieldColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
            return *brush;
        }
        break;
    case WM_ACTIVATE:
        // Back to the control that had the focus, as a dialog does.
        if (LOWORD(wParam) != WA_INACTIVE && lastFocus_ != nullptr && IsWindow(lastFocus_) != 0) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_SYSCOLORCHANGE:
        // The backgrounds are references into the scheme: every field paints them again, and the
        // common controls hear of the new scheme too.
        for (HWND control : controls_) {
            SendMessageW(control, WM_SYSCOLORCHANGE, wParam, lParam);
            InvalidateRect(control, nullptr, TRUE);
        }
        return 0;
    case WM_DPICHANGED: {
        applyDpi(HIWORD(wParam));
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        form_.closed();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Form1Window::handleCommand(HWND control, WORD notification) {
    if (notification == BN_SETFOCUS || notification == EN_SETFOCUS) {
        lastFocus_ = control;
    }
    const std::optional<Control> from = controlOf(control);
    if (!from) {
        return;
    }
    switch (*from) {
    case Control::Option1:
    case Control::Option3: {
        const Option option = *from == Control::Option1 ? Option::Option1 : Option::Option3;
        // Focus arriving on an option that is not selected selects it; a click (or Space) runs
        // the handler even on the option already selected.
        if (notification == BN_CLICKED || (notification == BN_SETFOCUS && !isSelected(option))) {
            select(option);
        }
        break;
    }
    case Control::Text1:
        if (notification == EN_CHANGE) {
            describeCharacterField();
        }
        break;
    case Control::Command1:
    case Control::Command2:
    case Control::Command3:
        if (notification == BN_CLICKED) {
            if (*from == Control::Command1) {
                form_.Command1_Click();
            } else if (*from == Control::Command2) {
                form_.Command2_Click();
            } else {
                form_.Command3_Click();
            }
        }
        break;
    case Control::Text3:
        break;
    }
}

void Form1Window::select(Option option) {
    const bool first = option == Option::Option1;
    SendMessageW(controlHandle(Control::Option1), BM_SETCHECK, first ? BST_CHECKED : BST_UNCHECKED,
                 0);
    SendMessageW(controlHandle(Control::Option3), BM_SETCHECK, first ? BST_UNCHECKED : BST_CHECKED,
                 0);
    if (first) {
        form_.Option1_Click();
    } else {
        form_.Option3_Click();
    }
}

std::optional<LRESULT> Form1Window::fieldColours(HDC context, HWND control) const {
    const std::optional<Field> field = fieldOf(control);
    if (!field || !backgrounds_.at(slot(*field))) {
        return std::nullopt;
    }
    const SystemColour colour = *backgrounds_.at(slot(*field));
    const COLORREF background = colourOf(colour);
    SetBkColor(context, background);
    SetTextColor(context,
                 hexconv::TextColour::readableOn(background, GetSysColor(COLOR_WINDOWTEXT)));
    if (colour.isSystemReference()) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(colour.index()));
    }
    SetDCBrushColor(context, background);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

// A click on a button leaves the caret where the user types: the button gives the focus back to
// the control that had it, once the click has run.
LRESULT CALLBACK Form1Window::buttonProcedure(HWND button, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
    auto* window = reinterpret_cast<Form1Window*>(self);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        window->focusBeforeClick_ = GetFocus();
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
        HWND before = window->focusBeforeClick_;
        window->focusBeforeClick_ = nullptr;
        if (GetFocus() == button && before != nullptr && before != button &&
            IsWindow(before) != 0 && IsWindowVisible(before) != 0) {
            SetFocus(before);
        }
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, &Form1Window::buttonProcedure, buttonSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

void Form1Window::describeCharacterField() {
    if (tooltip_ == nullptr) {
        return;
    }
    const std::u32string character = firstCharacter(readText(Field::Text1));
    std::wstring description = Utf16::fromUtf8(hexconv::CharacterDescription::describe(
        character, [this](char32_t codePoint) { return unicode_.nameOf(codePoint); }));
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(controlHandle(Control::Text1));
    tool.lpszText = description.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::u32string Form1Window::readText(Field field) const {
    HWND control = fieldHandle(field);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return Utf16::toUtf32(text);
}

void Form1Window::replaceText(Field field, const std::u32string& text) {
    SetWindowTextW(fieldHandle(field), Utf16::fromUtf32(text).c_str());
}

void Form1Window::setBackgroundColour(Field field, SystemColour colour) {
    backgrounds_.at(slot(field)) = colour;
    InvalidateRect(fieldHandle(field), nullptr, TRUE);
}

void Form1Window::setLocked(Field field, bool locked) {
    SendMessageW(fieldHandle(field), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void Form1Window::setTabStop(Field field, bool tabStop) {
    HWND control = fieldHandle(field);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    SetWindowLongPtrW(control, GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void Form1Window::giveFocus(Field field) {
    SetFocus(fieldHandle(field));
}

void Form1Window::selectWholeText(Field field) {
    SendMessageW(fieldHandle(field), EM_SETSEL, 0, -1);
}

bool Form1Window::isSelected(Option option) const {
    const Control control = option == Option::Option1 ? Control::Option1 : Control::Option3;
    return SendMessageW(controlHandle(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Every message already waiting, routed as the message loop routes it; a quit is left for the
// message loop.
void Form1Window::eventYield() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

void Form1Window::setInputLimit(Field field, int limit) {
    limitInput(fieldHandle(field), limit);
}

void Form1Window::limitInput(HWND field, int limit) {
    // An edit control's own "no limit" is 0x7FFFFFFE characters.
    constexpr int editMaximum = 0x7FFFFFFE;
    SendMessageW(field, EM_SETLIMITTEXT,
                 static_cast<WPARAM>(limit >= editMaximum ? editMaximum : limit), 0);
}

std::u32string Form1Window::firstCharacter(const std::u32string& text) const {
    return unicode_.firstCharacter(text);
}

// Another program may hold the clipboard for a moment; the copy waits a little for it, then
// reports the failure rather than copying nothing in silence.
void Form1Window::openClipboard() const {
    constexpr int attempts = 20;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (OpenClipboard(window_) != 0) {
            return;
        }
        Sleep(10);
    }
    throw std::runtime_error("The clipboard is in use by another program; nothing was copied.");
}

void Form1Window::clearClipboard() {
    openClipboard();
    EmptyClipboard();
    CloseClipboard();
}

// As UTF-16 only: Windows derives the ANSI and OEM forms itself when a program asks for them.
void Form1Window::setClipboardText(const std::u32string& text) {
    const std::wstring units = Utf16::fromUtf32(text);
    const std::size_t bytes = (units.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        throw std::runtime_error("There is not enough memory to copy the text.");
    }
    if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
        std::copy(units.begin(), units.end(), target);
        target[units.size()] = L'\0';
        GlobalUnlock(memory);
    }
    try {
        openClipboard();
    } catch (...) {
        GlobalFree(memory);
        throw;
    }
    // The copy cleared the clipboard just before, which made this window its owner.
    if (GetClipboardOwner() != window_) {
        EmptyClipboard();
    }
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory);
        throw std::runtime_error("The text could not be put on the clipboard.");
    }
}

// A message box modal to the window, titled with the program's name: what went wrong, and below
// it the failure's name.
void Form1Window::reportFailure(const std::exception_ptr& failure) {
    const hexconv::FailureReport report(failure);
    const std::wstring text =
        Utf16::fromUtf8(report.englishMessage() + "\n\n" + report.name().english);
    MessageBoxW(window_, text.c_str(), title, MB_OK | MB_ICONERROR);
}
