// SPDX-License-Identifier: MIT
#include "Form1Window.h"

#include "Catalogue.h"
#include "Clipboard.h"
#include "Dpi.h"
#include "FailureReport.h"
#include "Form1Description.h"
#include "TextColour.h"
#include "Translations.h"
#include "Utf16.h"
#include "WindowFont.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

using hexconv::Control;
using hexconv::Field;
using hexconv::Form1;
using hexconv::Option;
using hexconv::SystemColour;

namespace {

using Description = hexconv::Form1Description;

constexpr const wchar_t* className = HEXCONV_WINDOW_CLASS;
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int iconResource = 1;
constexpr int firstControlId = 101;
constexpr UINT_PTR buttonSubclass = 1;

const wchar_t* classOf(Description::Kind kind) {
    return kind == Description::Kind::TextBox ? WC_EDITW : WC_BUTTONW;
}

// A control that begins a run of its kind begins a group, as a dialog's controls do. The visible
// ones are tab stops, but only the first option, as the option group counts as one stop.
DWORD styleOf(const Description::Item& item, const Description::Item* previous, bool visible) {
    DWORD style = visible ? WS_VISIBLE : 0;
    const bool opensGroup = previous == nullptr || previous->kind != item.kind;
    switch (item.kind) {
    case Description::Kind::OptionButton:
        style |= BS_RADIOBUTTON | BS_NOTIFY;
        break;
    case Description::Kind::TextBox:
        style |= WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
        break;
    case Description::Kind::PushButton:
        style |= BS_PUSHBUTTON | BS_NOTIFY;
        break;
    }
    if (opensGroup) {
        style |= WS_GROUP;
    }
    if (visible && (opensGroup || item.kind != Description::Kind::OptionButton)) {
        style |= WS_TABSTOP;
    }
    return style;
}

HWND createChild(HWND parent, HINSTANCE instance, const Description::Item& item, DWORD style,
                 int id) {
    const std::wstring caption = item.caption ? Catalogue::text(*item.caption) : std::wstring();
    HWND child = CreateWindowExW(0, classOf(item.kind), caption.c_str(), WS_CHILD | style, 0, 0, 0,
                                 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 instance, nullptr);
    if (child == nullptr) {
        throw std::runtime_error("The window's controls could not be created.");
    }
    return child;
}

COLORREF colourOf(SystemColour colour) {
    return colour.isSystemReference() ? GetSysColor(colour.index())
                                      : static_cast<COLORREF>(colour.reference() & 0xFFFFFFU);
}

bool keyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

std::wstring title() {
    return Utf16::fromUtf8(Description::Title);
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance, hexconv::CodePage codePage)
    : instance_(instance), form_(*this, codePage) {
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
    // Mirrored where the language is written from right to left, as Windows mirrors its own
    // windows: the controls inherit the layout.
    const DWORD layout = hexconv::Translations::rightToLeft() ? WS_EX_LAYOUTRTL : 0;
    window_ = CreateWindowExW(layout, className, title().c_str(), windowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("The window could not be created.");
    }
    // The window's own icons, which the task bar and Alt+Tab show.
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));
    createControls(instance);
    applyDpi(Dpi::of(window_));
}

Form1Window::~Form1Window() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void Form1Window::createControls(HINSTANCE instance) {
    // Created in tab order, so that the z-order a screen reader walks agrees with Tab; the hidden
    // fields last.
    const Description::Item* previous = nullptr;
    int id = firstControlId;
    for (std::size_t i = 0; i < Description::Slots; ++i) {
        const Description::Item& item = Description::of(i);
        const bool visible = i < Description::Controls.size();
        if (item.kind == Description::Kind::TextBox && item.accessibleName) {
            // A screen reader names an edit control by the label just before it; each field
            // has its own, never shown.
            CreateWindowExW(0, WC_STATICW, Catalogue::text(*item.accessibleName).c_str(),
                            WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, window_, nullptr,
                            instance, nullptr);
        }
        controls_[i] = createChild(window_, instance, item,
                                   styleOf(item, visible ? previous : nullptr, visible), id++);
        previous = &item;
    }

    for (const Field each : hexconv::Form1Controls<HWND>::Fields) {
        limitInput(fieldHandle(each), Form1::inputLimitOf(each));
        followTextDirection(each);
    }
    for (const Control each : {Control::Command1, Control::Command2, Control::Command3}) {
        SetWindowSubclass(controlHandle(each), &Form1Window::buttonProcedure, buttonSubclass,
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

void Form1Window::applyDpi(UINT dpi) {
    // The new font before the old one goes: a control must never be left holding a deleted font.
    std::wstring captions;
    for (const auto& item : Description::Controls) {
        if (item.caption) {
            captions += Catalogue::text(*item.caption);
        }
    }
    auto font = std::make_unique<WindowFont>(dpi, captions);
    for (std::size_t i = 0; i < Description::Slots; ++i) {
        const Description::Pixels at =
            Description::pixels(Description::of(i).place, static_cast<int>(dpi));
        SetWindowPos(controls_[i], nullptr, at.left, at.top, at.width, at.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font->handle()), TRUE);
    }
    if (tooltip_ != nullptr) {
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font->handle()), TRUE);
    }
    font_ = std::move(font);
    const Description::Pixels client =
        Description::pixels(Description::ClientArea, static_cast<int>(dpi));
    const RECT frame = Dpi::frameAround(client.width, client.height, windowStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window is painted first: what its first frame does not show comes after.
void Form1Window::show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    prepareAfterFirstPaint();
    form_.opened();
}

// The buttons' names for screen readers and the character field's tooltip.
void Form1Window::prepareAfterFirstPaint() {
    for (const Control each : hexconv::Form1::TabOrder) {
        const Description::Item& item = Description::of(each);
        if (item.kind != Description::Kind::TextBox && item.accessibleName) {
            annotations_.setName(controlHandle(each), Catalogue::text(*item.accessibleName));
        }
    }
    INITCOMMONCONTROLSEX bars{sizeof(bars), ICC_BAR_CLASSES};
    InitCommonControlsEx(&bars);
    // A control character or a no-break space draws as nothing: the tooltip says which
    // character it is.
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    if (tooltip_ != nullptr) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(controlHandle(Control::Text1));
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        // A width of its own makes the tooltip break its lines where the text does.
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 32767);
        SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->handle()), TRUE);
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
    const std::optional<Control> focused = controls_.controlOf(GetFocus());
    switch (message.wParam) {
    case VK_TAB: {
        if (keyDown(VK_CONTROL) || keyDown(VK_MENU)) {
            return false;
        }
        form_.tabPressed(focused, !keyDown(VK_SHIFT));
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
        // The common controls hear of the new scheme too.
        for (HWND control : controls_) {
            SendMessageW(control, WM_SYSCOLORCHANGE, wParam, lParam);
        }
        form_.schemeChanged();
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
    const std::optional<Control> from = controls_.controlOf(control);
    if (!from) {
        return;
    }
    switch (notification) {
    case BN_SETFOCUS:
    case EN_SETFOCUS:
        form_.focusArrived(*from);
        break;
    // A second click soon after the first is a double click to the button, which then reports
    // only that: it is a click all the same.
    case BN_CLICKED:
    case BN_DOUBLECLICKED:
        form_.clicked(*from);
        break;
    case EN_CHANGE:
        if (const std::optional<Field> field = Description::fieldOf(*from)) {
            followTextDirection(*field);
            form_.edited(*field);
        }
        break;
    default:
        break;
    }
}

std::optional<LRESULT> Form1Window::fieldColours(HDC context, HWND control) const {
    const std::optional<Field> field = controls_.fieldOf(control);
    const std::optional<SystemColour> set = field ? form_.backgroundOf(*field) : std::nullopt;
    if (!set) {
        return std::nullopt;
    }
    const SystemColour colour = *set;
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
        // A second press that the click's event yields let in finds the focus still on the
        // button: the control that had it before the first press is the one to go back to.
        if (GetFocus() != button) {
            window->focusBeforeClick_ = GetFocus();
        }
        break;
    case WM_LBUTTONUP: {
        HWND before = window->focusBeforeClick_;
        window->focusBeforeClick_ = nullptr;
        const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
        if (GetFocus() == button && before != nullptr && IsWindow(before) != 0 &&
            IsWindowVisible(before) != 0) {
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

// The tooltip and, for a screen reader, the description.
void Form1Window::setCharacterNote(const std::string& note) {
    std::wstring description = Utf16::fromUtf8(note);
    annotations_.setDescription(controlHandle(Control::Text1), description);
    if (tooltip_ == nullptr) {
        return;
    }
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
    HWND control = fieldHandle(field);
    SetWindowTextW(control, Utf16::fromUtf32(text).c_str());
    // An edit control given a new text puts its caret at the start.
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(control));
    SendMessageW(control, EM_SETSEL, end, static_cast<LPARAM>(end));
}

// The field asks for its colours as it paints (fieldColours).
void Form1Window::setBackgroundColour(Field field, SystemColour /*colour*/) {
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

void Form1Window::giveFocus(Control control, hexconv::FocusMove /*move*/) {
    SetFocus(controlHandle(control));
}

void Form1Window::selectWholeText(Field field) {
    SendMessageW(fieldHandle(field), EM_SETSEL, 0, -1);
}

bool Form1Window::isSelected(Option option) const {
    return SendMessageW(controlHandle(Description::controlOf(option)), BM_GETCHECK, 0, 0) ==
           BST_CHECKED;
}

// The options are plain radio buttons, which the program checks itself.
void Form1Window::selectOption(Option option) {
    for (const Option each : {Option::Option1, Option::Option3}) {
        SendMessageW(controlHandle(Description::controlOf(each)), BM_SETCHECK,
                     each == option ? BST_CHECKED : BST_UNCHECKED, 0);
    }
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
    return unicode().firstCharacter(text);
}

std::string Form1Window::unicodeName(char32_t codePoint) const {
    return unicode().nameOf(codePoint);
}

void Form1Window::clearClipboard() {
    Clipboard(window_).clear();
}

void Form1Window::setClipboardText(const std::u32string& text) {
    Clipboard(window_).setText(text);
}

void Form1Window::reportFailure(const std::exception_ptr& failure) {
    showFailure(window_, failure);
}

void Form1Window::showFailure(HWND owner, const std::exception_ptr& failure) {
    const UINT direction = hexconv::Translations::rightToLeft() ? MB_RTLREADING | MB_RIGHT : 0;
    MessageBoxW(owner, Utf16::fromUtf8(hexconv::FailureReport(failure).text()).c_str(),
                title().c_str(), MB_OK | MB_ICONERROR | direction);
}

// A field reads in the window's direction while empty, then in its text's own: a Latin letter
// from left to right in a Hebrew window, a Hebrew one from right to left in an English one; the
// hex digits always from left to right. A field is mirrored for right to left.
void Form1Window::followTextDirection(Field field) {
    HWND control = fieldHandle(field);
    const std::wstring text = Utf16::fromUtf32(readText(field));
    bool rightToLeft = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    if (Description::of(field).leftToRight) {
        rightToLeft = false;
    } else if (!text.empty()) {
        std::vector<WORD> types(text.size());
        GetStringTypeW(CT_CTYPE2, text.c_str(), static_cast<int>(text.size()), types.data());
        const auto strong = std::find_if(types.begin(), types.end(), [](WORD type) {
            return type == C2_LEFTTORIGHT || type == C2_RIGHTTOLEFT;
        });
        rightToLeft = strong != types.end() && *strong == C2_RIGHTTOLEFT;
    }
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_EXSTYLE);
    const LONG_PTR wanted = rightToLeft ? style | WS_EX_LAYOUTRTL : style & ~WS_EX_LAYOUTRTL;
    if (wanted != style) {
        SetWindowLongPtrW(control, GWL_EXSTYLE, wanted);
        InvalidateRect(control, nullptr, TRUE);
    }
}
