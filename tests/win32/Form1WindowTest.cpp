// SPDX-License-Identifier: MIT
#include "CalculateExamples.h"
#include "Catalogue.h"
#include "Clipboard.h"
#include "ClipboardUnavailable.h"
#include "ControlPlaces.h"
#include "Languages.h"
#include "Translations.h"
#include "UserStories.h"
#include "Utf16.h"
#include "Win32Fixture.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <map>
#include <string>
#include <thread>
#include <vector>

using hexconv::Control;
using hexconv::Field;

namespace {

RECT clientRectOf(HWND control) {
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

struct FieldColours {
    COLORREF background;
    COLORREF text;
    HBRUSH brush;
};

// What the window answers a field that asks for its colours before it paints.
FieldColours coloursOf(HWND window, HWND field) {
    const bool readOnly = (GetWindowLongPtrW(field, GWL_STYLE) & ES_READONLY) != 0;
    HDC context = GetDC(field);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window, readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                     reinterpret_cast<WPARAM>(context), reinterpret_cast<LPARAM>(field)));
    const FieldColours colours{GetBkColor(context), GetTextColor(context), brush};
    ReleaseDC(field, context);
    return colours;
}

bool readOnly(HWND field) {
    return (GetWindowLongPtrW(field, GWL_STYLE) & ES_READONLY) != 0;
}

bool checked(HWND option) {
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// What a screen reader asks Windows for: the name of the control's accessible object.
std::wstring accessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, reinterpret_cast<void**>(&object)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result = L"(no name)";
    if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) {
        result = name;
    }
    SysFreeString(name);
    object->Release();
    return result;
}

} // namespace

using Win32StartUp = Win32Fixture;

TEST_F(Win32StartUp, HasItsTitleFrameIconFontAndTwipsLayout) {
    EXPECT_EQ(windowText(form->handle()), L"Hex Converter");
    const auto style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(SendMessageW(form->handle(), WM_GETICON, ICON_BIG, 0), 0);
    RECT client{};
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, hexconv::clientWidth);
    EXPECT_EQ(client.bottom, hexconv::clientHeight);
    // Where each control stands, the test of each resolution says.
    for (const hexconv::ControlPlace& c : hexconv::controlPlaces) {
        EXPECT_EQ(windowText(control(c.control)), Utf16::fromUtf8(c.caption)) << c.name;
    }
    // Each field is named by a label of its own, never by the other's.
    EXPECT_EQ(accessibleName(control(Control::Text1)), L"Character");
    EXPECT_EQ(accessibleName(control(Control::Text3)), L"Hex digits");
    for (const Field hidden : {Field::Text2, Field::Text4}) {
        EXPECT_FALSE(IsWindowVisible(form->fieldHandle(hidden)));
        EXPECT_GE(clientRectOf(form->fieldHandle(hidden)).left, client.right);
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(Control::Command1), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), L"Tahoma");
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    // The window's own background, between the controls, in the scheme's face colour.
    HDC context = GetDC(form->handle());
    EXPECT_EQ(GetPixel(context, 2, 2), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(form->handle(), context);
}

// What the buttons' names for screen readers need is started once the window is painted: the
// thread's COM apartment (Wine itself has no Dynamic Annotation to name them with).
TEST_F(Win32StartUp, StartsComForTheScreenReadersNames) {
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
    // Closed, the window leaves the thread as it found it.
    form.reset();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
}

// At each common monitor resolution every control stands at its twips rounded to the nearest
// pixel, the font is 8.25 points rounded to the nearest pixel, the window moves where Windows
// suggests, and the font of the resolution before is deleted.
TEST_F(Win32StartUp, ScalesLayoutAndFontWhenTheMonitorsDpiChanges) {
    for (const int dpi : {120, 144, 192, 96}) {
        const auto previous =
            reinterpret_cast<HGDIOBJ>(SendMessageW(control(Control::Text1), WM_GETFONT, 0, 0));
        RECT suggested{};
        GetWindowRect(form->handle(), &suggested);
        OffsetRect(&suggested, 7, 5);
        SendMessageW(form->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT frame{};
        GetWindowRect(form->handle(), &frame);
        EXPECT_EQ((std::array{frame.left, frame.top}), (std::array{suggested.left, suggested.top}));
        const auto pixels = [dpi](int twips) {
            return static_cast<LONG>(std::lround(twips * dpi / 1440.0));
        };
        for (const hexconv::ControlPlace& c : hexconv::controlPlaces) {
            const RECT at = clientRectOf(control(c.control));
            const auto& place = hexconv::Form1Description::of(c.control).place;
            EXPECT_EQ((std::array{at.left, at.top, at.right - at.left, at.bottom - at.top}),
                      (std::array{pixels(place.left), pixels(place.top), pixels(place.width),
                                  pixels(place.height)}))
                << c.name << " at " << dpi;
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(Control::Text1), WM_GETFONT, 0, 0)),
                   sizeof(font), &font);
        EXPECT_EQ(font.lfHeight, -static_cast<LONG>(std::lround(8.25 * dpi / 72))) << dpi;
        EXPECT_EQ(GetObjectType(previous), 0U) << dpi;
    }
}

TEST_F(Win32StartUp, FieldsFollowANewColourScheme) {
    const std::array<int, 2> elements = {COLOR_BTNFACE, COLOR_CAPTIONTEXT};
    const std::array<COLORREF, 2> before = {GetSysColor(COLOR_BTNFACE),
                                            GetSysColor(COLOR_CAPTIONTEXT)};
    const std::array<COLORREF, 2> scheme = {RGB(0, 0, 0), RGB(255, 255, 0)}; // as high contrast
    pump();
    // Told of the new scheme, both fields are to be painted again at once, not at their next
    // paint.
    SendMessageW(form->handle(), WM_SYSCOLORCHANGE, 0, 0);
    for (const Control field : {Control::Text1, Control::Text3}) {
        EXPECT_NE(GetUpdateRect(control(field), nullptr, FALSE), 0);
    }
    SetSysColors(2, elements.data(), scheme.data());
    pump();
    const FieldColours active = coloursOf(form->handle(), control(Control::Text1));
    const FieldColours inactive = coloursOf(form->handle(), control(Control::Text3));
    SetSysColors(2, elements.data(), before.data());
    // Each field's text turns black or white, whichever reads on its background.
    EXPECT_EQ(active.background, RGB(255, 255, 0));
    EXPECT_EQ(active.text, RGB(0, 0, 0));
    EXPECT_EQ(inactive.background, RGB(0, 0, 0));
    EXPECT_EQ(inactive.text, RGB(255, 255, 255));
}

using Win32Keyboard = Win32Fixture;

// The shared stories as Windows' input plays them: clicks, typing, Tab, Shift+Tab and arrows.
// Played again in a window mirrored for a language written from right to left, where they go the
// same way.
class Win32Story : public Win32Fixture, public testing::WithParamInterface<hexconv::UserStory> {
protected:
    void SetUp() override {
        const std::string_view suite =
            testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
        if (suite.starts_with("Mirrored")) {
            hexconv::Translations::choose({rightToLeftLanguage().code});
        }
        Win32Fixture::SetUp();
        ASSERT_EQ((GetWindowLongPtrW(form->handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0,
                  suite.starts_with("Mirrored"));
    }
    void TearDown() override {
        Win32Fixture::TearDown();
        hexconv::Translations::choose({});
    }
};

TEST_P(Win32Story, LeavesTheFocusModeTextsAndSelection) {
    using Kind = hexconv::UserStep::Kind;
    const std::map<Kind, WORD> keys = {
        {Kind::Tab, VK_TAB},     {Kind::BackTab, VK_TAB},  {Kind::Up, VK_UP},
        {Kind::Down, VK_DOWN},   {Kind::Left, VK_LEFT},    {Kind::Right, VK_RIGHT},
        {Kind::Space, VK_SPACE}, {Kind::Enter, VK_RETURN}, {Kind::Escape, VK_ESCAPE}};
    std::vector<std::string> visited;
    for (const hexconv::UserStep& step : GetParam().steps) {
        if (step.kind == Kind::Click) {
            const auto* named = std::find_if(
                hexconv::Form1::TabOrder.begin(), hexconv::Form1::TabOrder.end(),
                [&step](Control each) {
                    return std::string(hexconv::Form1Description::of(each).name) == step.control;
                });
            click(*named);
        } else if (step.kind == Kind::Type) {
            type(Utf16::fromUtf32(step.text));
        } else {
            press(keys.at(step.kind), step.kind == Kind::BackTab);
        }
        visited.push_back(focusName());
    }
    EXPECT_EQ(GetParam().visited.empty() ? GetParam().visited : visited, GetParam().visited);
    EXPECT_EQ(GetParam().copied ? std::optional(Utf16::toUtf32(clipboard())) : std::nullopt,
              GetParam().copied);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_EQ(focusName(), GetParam().focus);
    EXPECT_EQ(checked(control(Control::Option3)), GetParam().hexMode);
    EXPECT_EQ(checked(control(Control::Option1)), !GetParam().hexMode);
    EXPECT_EQ(text(Field::Text1), Utf16::fromUtf32(GetParam().character));
    EXPECT_EQ(text(Field::Text3), Utf16::fromUtf32(GetParam().hex));
    EXPECT_EQ(readOnly(control(Control::Text1)), GetParam().hexMode);
    EXPECT_EQ(readOnly(control(Control::Text3)), !GetParam().hexMode);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(windowText(GetFocus()).substr(start, end - start),
              Utf16::fromUtf32(GetParam().selected));
}

INSTANTIATE_TEST_SUITE_P(MirroredStories, Win32Story, testing::ValuesIn(hexconv::userStories()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(SharedStories, Win32Story, testing::ValuesIn(hexconv::userStories()),
                         [](const auto& info) { return std::string(info.param.name); });

using Win32Mouse = Win32Fixture;

int doubleClicks = 0;

LRESULT CALLBACK countDoubleClicks(int code, WPARAM remove, LPARAM message) {
    if (code >= 0 && remove == PM_REMOVE &&
        reinterpret_cast<const MSG*>(message)->message == WM_LBUTTONDBLCLK) {
        ++doubleClicks;
    }
    return CallNextHookEx(nullptr, code, remove, message);
}

// The second press of a double click reaches the button as a double click, and copies as the
// first did: the clipboard changes twice as much as for one click.
TEST_F(Win32Mouse, BothPressesOfADoubleClickCopy) {
    type(L"A");
    DWORD before = GetClipboardSequenceNumber();
    click(Control::Command2);
    const DWORD oneCopy = GetClipboardSequenceNumber() - before;
    ASSERT_GT(oneCopy, 0U);
    HHOOK hook =
        SetWindowsHookExW(WH_GETMESSAGE, &countDoubleClicks, nullptr, GetCurrentThreadId());
    doubleClicks = 0;
    before = GetClipboardSequenceNumber();
    click(Control::Command2, 2);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(GetClipboardSequenceNumber() - before, 2 * oneCopy);
}

TEST_F(Win32Mouse, ADoubleClickedCalculateConvertsAndACopyGivesBothClipboardForms) {
    type(L"A");
    click(Control::Command1, 2); // a double click: two presses, the second in the first's yield
    EXPECT_EQ(text(Field::Text3), L"41");
    click(Control::Command3);
    EXPECT_EQ(clipboard(), L"41");
    EXPECT_EQ(clipboard(CF_TEXT), L"41"); // the ANSI form Windows derives
}

// Another window in front, then the user comes back: by switching to the window, or by a click
// on one of its buttons. Either way the caret is back where they typed.
TEST_F(Win32Mouse, TheCaretComesBackAfterSwitchingAwayAndAfterAClickThatActivates) {
    type(L"A");
    HWND other = CreateWindowExW(0, L"STATIC", L"Another program", WS_POPUP | WS_VISIBLE, 560, 400,
                                 60, 60, nullptr, nullptr, nullptr, nullptr);
    const auto bringToFront = [this](HWND window) {
        SetForegroundWindow(window);
        return pumpUntil([window] { return GetForegroundWindow() == window; });
    };
    ASSERT_TRUE(bringToFront(other));
    ASSERT_TRUE(bringToFront(form->handle()));
    EXPECT_EQ(focusName(), "Text1");
    ASSERT_TRUE(bringToFront(other));
    click(Control::Command1);
    EXPECT_EQ(GetForegroundWindow(), form->handle());
    EXPECT_EQ(text(Field::Text3), L"41");
    EXPECT_EQ(focusName(), "Text1");
    DestroyWindow(other);
}

// Keys that arrive while a conversion yields are routed and typed as at any other time: Shift+Tab
// from Calculate back into the field, which selects its text, and a character that replaces it.
TEST_F(Win32Keyboard, KeysDuringAConversionsEventYieldAreRoutedAndTyped) {
    type(L"A");
    press(VK_TAB);
    ASSERT_EQ(focusName(), "Command1");
    // All queued at once: Space presses Calculate as it comes up, and the rest waits in the
    // queue until the conversion's first event yield.
    keysThenText({{VK_SPACE, false},
                  {VK_SPACE, true},
                  {VK_SHIFT, false},
                  {VK_TAB, false},
                  {VK_TAB, true},
                  {VK_SHIFT, true}},
                 L"z");
    EXPECT_EQ(text(Field::Text3), L"41");
    EXPECT_EQ(text(Field::Text1), L"z");
    EXPECT_EQ(focusName(), "Text1");
}

TEST_F(Win32Mouse, VisibleFieldsStopAtTheInputLimit) {
    setClipboard(std::wstring(32768, L'7'));
    SendMessageW(control(Control::Text1), WM_PASTE, 0, 0);
    EXPECT_EQ(text(Field::Text1).size(), 32767U);
    type(L"8");
    EXPECT_EQ(text(Field::Text1).size(), 32767U);
}

class Win32Calculate : public Win32Fixture,
                       public testing::WithParamInterface<hexconv::CalculateExample> {
protected:
    void SetUp() override {
        codePage = *hexconv::CodePage::withNumber(GetParam().codePage);
        Win32Fixture::SetUp();
    }
};

// The shared worked examples, the input as a paste brings it, a failure answered in its box.
TEST_P(Win32Calculate, FillsTheFieldsThroughTheChain) {
    const hexconv::CalculateExample& example = GetParam();
    if (example.hexMode) {
        selectHexMode();
    }
    setClipboard(Utf16::fromUtf32(example.input));
    SendMessageW(control(example.hexMode ? Control::Text3 : Control::Text1), WM_PASTE, 0, 0);
    expectMessageBoxes();
    click(Control::Command1);
    const std::array fields = {Field::Text1, Field::Text2, Field::Text3, Field::Text4};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // An edit control's text ends at a NUL: the character for 00 shows as an empty field.
        const std::u32string expected = example.fields.at(i).c_str();
        EXPECT_EQ(text(fields.at(i)), Utf16::fromUtf32(expected)) << i;
    }
    if (example.report.empty()) {
        EXPECT_TRUE(boxes.empty());
        return;
    }
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].title, L"Hex Converter");
    const std::wstring report = Utf16::fromUtf32(example.report);
    EXPECT_EQ(boxes[0].text.substr(0, report.size()), report);
    EXPECT_EQ(boxes[0].icon, LoadIconW(nullptr, IDI_ERROR));
    EXPECT_TRUE(boxes[0].ownerDisabled);
    EXPECT_EQ(focusName(), example.hexMode ? "Text3" : "Text1");
    EXPECT_TRUE(IsWindowEnabled(form->handle()));
}

INSTANTIATE_TEST_SUITE_P(SharedExamples, Win32Calculate,
                         testing::ValuesIn(hexconv::calculateExamples()),
                         [](const auto& info) { return std::string(info.param.name); });

using Win32Failure = Win32Fixture;

// Another program holding the clipboard open: the copy waits a little, then says so.
TEST_F(Win32Failure, ACopyWhileAnotherProgramHoldsTheClipboardSaysSoInItsOwnWords) {
    setClipboard(L"before");
    type(L"A");
    HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([held, release] {
        OpenClipboard(nullptr);
        SetEvent(held);
        WaitForSingleObject(release, INFINITE);
        CloseClipboard();
    });
    WaitForSingleObject(held, INFINITE);
    // The copy waits a fifth of a second for the other program before it gives up.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(Clipboard(form->handle()).clear(), hexconv::ClipboardUnavailable);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    expectMessageBoxes();
    click(Control::Command2);
    SetEvent(release);
    holder.join();
    CloseHandle(held);
    CloseHandle(release);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, L"Another program is using the clipboard, so nothing was copied. "
                             L"Press Copy again in a moment.\n\nClipboard unavailable");
    EXPECT_EQ(clipboard(), L"before");
    click(Control::Command2);
    EXPECT_EQ(clipboard(), L"A");
}

TEST_F(Win32Failure, CloseDuringAYieldEndsTheHandlerAndTheProgram) {
    type(L"A");
    // The close command waits in the queue; the chain's first event yield handles it.
    PostMessageW(form->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    expectMessageBoxes();
    SendMessageW(control(Control::Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(form->handle(), nullptr);
    EXPECT_TRUE(boxes.empty());
    MSG quit{};
    EXPECT_NE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), 0);
}

class Win32Tooltip : public Win32Fixture {
protected:
    void SetUp() override {
        codePage = *hexconv::CodePage::withNumber(1251);
        Win32Fixture::SetUp();
    }
};

// Held over the character field, the mouse brings up the tooltip; it names the field's first
// character, and names the new one after every change, and the code page on a line of its own.
TEST_F(Win32Tooltip, AppearsOverTheCharacterFieldAndNamesItsFirstCharacterAndTheCodePage) {
    const UnicodeData unicode;
    const auto shownText = [this] {
        std::array<wchar_t, 256> shown{};
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = form->handle();
        tool.uId = reinterpret_cast<UINT_PTR>(control(Control::Text1));
        tool.lpszText = shown.data();
        SendMessageW(form->tooltipHandle(), TTM_GETTEXTW, shown.size(),
                     reinterpret_cast<LPARAM>(&tool));
        return std::wstring(shown.data());
    };
    // Empty at the start, the field's tooltip names the code page alone.
    EXPECT_EQ(shownText(), L"Code page: Windows-1251 (Cyrillic)");
    type(L"x");
    hover(Control::Text1);
    EXPECT_TRUE(pumpUntil([this] { return IsWindowVisible(form->tooltipHandle()) != 0; }));
    struct Case {
        std::wstring text;
        std::wstring withNames;
        std::wstring withoutNames;
    };
    for (const Case& c : {Case{L"A", L"U+0041 LATIN CAPITAL LETTER A", L"U+0041"},
                          Case{L"\n", L"U+000A LINE FEED", L"U+000A LINE FEED"},
                          Case{L"\u00a0x", L"U+00A0 NO-BREAK SPACE", L"U+00A0"},
                          Case{L"e\u0301", L"U+00E9 LATIN SMALL LETTER E WITH ACUTE", L"U+00E9"}}) {
        SetWindowTextW(control(Control::Text1), c.text.c_str());
        EXPECT_EQ(shownText(), (unicode.hasIcu() ? c.withNames : c.withoutNames) +
                                   L"\nCode page: Windows-1251 (Cyrillic)");
    }
    EXPECT_NE(IsWindowVisible(form->tooltipHandle()), 0);
}

// The program's resources, compiled into the tests' program as into the real one.
TEST_F(Win32StartUp, RunsWithItsManifestAndCarriesItsVersion) {
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(path.data(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_NE(GetFileVersionInfoW(path.data(), 0, static_cast<DWORD>(info.size()), info.data()), 0);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_NE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length), 0);
    const std::string version = std::to_string(HIWORD(fixed->dwProductVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwProductVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwProductVersionLS));
    EXPECT_EQ(version, HEXCONV_VERSION);
    // Visual styles: the common controls 6 that the manifest asks for are the ones loaded, from
    // the side-by-side store (Wine's reports itself as 5.81 all the same).
    std::array<wchar_t, MAX_PATH> controls{};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), controls.data(),
                       static_cast<DWORD>(controls.size()));
    std::wstring loaded(controls.data());
    CharLowerW(loaded.data());
    EXPECT_NE(loaded.find(L"common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << std::string(loaded.begin(), loaded.end()); // a path in ASCII
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

// A user whose Windows prefers one of the shipped languages.
class Win32Language : public Win32Fixture, public testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        hexconv::Translations::choose({GetParam().code + std::string("-XX"), "en-US"});
        Win32Fixture::SetUp();
    }
    void TearDown() override {
        Win32Fixture::TearDown();
        hexconv::Translations::choose({});
    }
};

TEST_P(Win32Language, CaptionsNamesAndFailuresSpeakTheLanguageWithItsQuotationMarks) {
    ASSERT_EQ(hexconv::Translations::language(), GetParam().code);
    // As the catalogue words them, whose words the core tests hold against the language's own.
    for (std::size_t i = 0; i < hexconv::Form1Description::Controls.size(); ++i) {
        const auto& item = hexconv::Form1Description::Controls.at(i);
        if (item.caption) {
            EXPECT_EQ(windowText(control(static_cast<Control>(i))), Catalogue::text(*item.caption));
        }
        // A button's name is a Dynamic Annotation, which only Windows itself gives.
        if (item.accessibleName && item.kind == hexconv::Form1Description::Kind::TextBox) {
            EXPECT_EQ(accessibleName(control(static_cast<Control>(i))),
                      Catalogue::text(*item.accessibleName));
        }
    }
    EXPECT_EQ(accessibleName(control(Control::Text1)), Utf16::fromUtf8(GetParam().character));
    selectHexMode();
    type(L"g");
    expectMessageBoxes();
    click(Control::Command1);
    ASSERT_EQ(boxes.size(), 1U);
    const std::wstring quoted = Utf16::fromUtf8(GetParam().quotedG);
    EXPECT_NE(boxes[0].text.find(quoted), std::wstring::npos) << Utf16::toUtf8(boxes[0].text);
    const std::wstring name = L"\n\n" + Utf16::fromUtf8(GetParam().typeMismatch);
    EXPECT_EQ(boxes[0].text.substr(boxes[0].text.size() - name.size()), name);
}

// A language written from right to left mirrors the window, as Windows mirrors its own: every
// control where a mirror of the window puts it. The hex field still reads from left to right, and
// the character field in the direction of the text it holds.
TEST_P(Win32Language, MirroredWhereTheLanguageReadsRightToLeft) {
    const bool mirrored = GetParam().rightToLeft;
    const auto rightToLeft = [](HWND window) {
        return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    };
    ASSERT_EQ(rightToLeft(form->handle()), mirrored);
    RECT client{};
    GetClientRect(form->handle(), &client);
    POINT clientLeft{mirrored ? client.right : 0, 0};
    ClientToScreen(form->handle(), &clientLeft);
    const int dpi = static_cast<int>(GetDpiForWindow(form->handle()));
    for (std::size_t i = 0; i < hexconv::Form1Description::Controls.size(); ++i) {
        const auto place =
            hexconv::Form1Description::pixels(hexconv::Form1Description::Controls.at(i).place, dpi);
        RECT drawn{};
        GetWindowRect(control(static_cast<Control>(i)), &drawn);
        EXPECT_EQ(drawn.left - clientLeft.x,
                  mirrored ? client.right - place.left - place.width : place.left)
            << hexconv::Form1Description::Controls.at(i).name;
    }
    HWND character = control(Control::Text1);
    const struct {
        const wchar_t* text;
        bool rightToLeft;
    } texts[] = {{L"", mirrored}, {L"A", false}, {L"\u05d0", true}, {L"", mirrored}};
    for (const auto& typed : texts) {
        SetWindowTextW(character, typed.text);
        EXPECT_EQ(rightToLeft(character), typed.rightToLeft) << Utf16::toUtf8(typed.text);
        SetWindowTextW(control(Control::Text3), typed.text);
        EXPECT_FALSE(rightToLeft(control(Control::Text3)));
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Win32Language, testing::ValuesIn(shippedLanguages()),
                         [](const auto& info) { return std::string(info.param.code); });

// Measured with the window's own font, as Windows draws them: every caption of every language
// has its glyphs in that font (no boxes) and fits its control on a screen at 96 and at 144 dots
// per inch. (The fixture's tear-down takes the
// quit messages that the windows leave as they close.)
using Win32Languages = Win32Fixture;

TEST_F(Win32Languages, EveryCaptionFitsItsControlAt96And144Dpi) {
    std::vector<std::string> languages = {"en-US"};
    for (const Language& language : shippedLanguages()) {
        languages.emplace_back(language.code);
    }
    for (const std::string& language : languages) {
        hexconv::Translations::choose({language});
        Form1Window form(GetModuleHandleW(nullptr));
        for (const UINT dpi : {96U, 144U}) {
            RECT frame{};
            GetWindowRect(form.handle(), &frame);
            SendMessageW(form.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&frame));
            for (const Control each : {Control::Option1, Control::Option3, Control::Command1,
                                       Control::Command2, Control::Command3}) {
                HWND button = form.controlHandle(each);
                const std::wstring caption = windowText(button);
                HDC context = GetDC(button);
                const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
                HGDIOBJ previous = SelectObject(context, font);
                SIZE text{};
                GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()),
                                      &text);
                std::vector<WORD> glyphs(caption.size());
                GetGlyphIndicesW(context, caption.c_str(), static_cast<int>(caption.size()),
                                 glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
                EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0)
                    << Utf16::toUtf8(caption) << " has no glyphs in its font";
                SelectObject(context, previous);
                ReleaseDC(button, context);
                RECT area{};
                GetClientRect(button, &area);
                // An option's round indicator and the gap after it, a button's frame and margin.
                const bool option = each == Control::Option1 || each == Control::Option3;
                const int around = option ? MulDiv(13 + 4, static_cast<int>(dpi), 96)
                                          : MulDiv(8, static_cast<int>(dpi), 96);
                EXPECT_LE(text.cx + around, area.right) << Utf16::toUtf8(caption) << " at " << dpi;
                EXPECT_LE(text.cy + 4, area.bottom) << dpi;
            }
        }
    }
    hexconv::Translations::choose({});
}

// Wine lists one display language, Windows as many as the user chose: a test gives the list.
std::wstring displayLanguages;
BOOL WINAPI preferredLanguages(DWORD flags, PULONG count, PZZWSTR buffer, PULONG size) {
    if (displayLanguages.empty()) {
        static const auto windows = reinterpret_cast<decltype(&GetUserPreferredUILanguages)>(
            reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernelbase.dll"),
                                                        "GetUserPreferredUILanguages")));
        return windows(flags, count, buffer, size);
    }
    if (buffer != nullptr && *size >= displayLanguages.size()) {
        std::copy(displayLanguages.begin(), displayLanguages.end(), buffer);
    }
    *count =
        static_cast<ULONG>(std::count(displayLanguages.begin(), displayLanguages.end(), 0) - 1);
    *size = static_cast<ULONG>(displayLanguages.size());
    return TRUE;
}
extern "C" {
// The import the program's code calls through, as the linker takes it from this file first.
// NOLINTNEXTLINE: the name is the import library's
decltype(&GetUserPreferredUILanguages) __imp_GetUserPreferredUILanguages = &preferredLanguages;
}

// Every display language the user lists is read: the first shipped one is spoken.
TEST(Win32UserLanguage, EveryDisplayLanguageCounts) {
    displayLanguages = std::wstring(L"pt-PT\0tlh\0fr-CA\0de-DE\0", 24);
    hexconv::Translations::choose(Catalogue::userLanguages());
    EXPECT_EQ(hexconv::Translations::language(), "fr");
    displayLanguages.clear();
    hexconv::Translations::choose({});
}

// Under Wine the user's Windows language follows LANG, English for C: this test runs as the
// user's own setting has it, and again in each shipped language and in Portugal's Portuguese,
// which the program does not ship (Windows.ProgramSpeaksTheUsersLanguage).
TEST(Win32UserLanguage, TheProgramTakesTheFirstLanguageTheUserPrefers) {
    std::array<wchar_t, 64> lang{};
    GetEnvironmentVariableW(L"LANG", lang.data(), static_cast<DWORD>(lang.size()));
    const std::string locale = Utf16::toUtf8(lang.data());
    const std::string code = locale.empty() || locale[0] == 'C' || locale.rfind("POSIX", 0) == 0
                                 ? "en"
                                 : hexconv::Translations::catalogueFor(locale);
    const std::vector<std::string> preferred = Catalogue::userLanguages();
    ASSERT_FALSE(preferred.empty());
    EXPECT_EQ(hexconv::Translations::catalogueFor(preferred.front()).substr(0, 2),
              code.substr(0, 2));
    hexconv::Translations::choose(preferred);
    const auto& languages = shippedLanguages();
    const bool shipped = std::any_of(languages.begin(), languages.end(),
                                     [&code](const Language& each) { return code == each.code; });
    EXPECT_EQ(hexconv::Translations::language(), shipped ? code : "");
    hexconv::Translations::choose({});
}
