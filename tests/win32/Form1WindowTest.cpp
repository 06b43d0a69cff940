// SPDX-License-Identifier: MIT
#include "CalculateExamples.h"
#include "TabCycles.h"
#include "Utf16.h"
#include "Win32Fixture.h"

#include <commctrl.h>

#include <array>

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

} // namespace

using Win32StartUp = Win32Fixture;

TEST_F(Win32StartUp, OpensInCharacterModeOnTheSystemColoursWithTheCaretInTheField) {
    EXPECT_TRUE(checked(control(Control::Option1)));
    EXPECT_FALSE(checked(control(Control::Option3)));
    EXPECT_EQ(focusName(), "Text1");
    EXPECT_FALSE(readOnly(control(Control::Text1)));
    EXPECT_TRUE(readOnly(control(Control::Text3)));
    const FieldColours active = coloursOf(form->handle(), control(Control::Text1));
    EXPECT_EQ(active.background, GetSysColor(COLOR_CAPTIONTEXT));
    EXPECT_EQ(active.brush, GetSysColorBrush(COLOR_CAPTIONTEXT));
    const FieldColours inactive = coloursOf(form->handle(), control(Control::Text3));
    EXPECT_EQ(inactive.background, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(inactive.brush, GetSysColorBrush(COLOR_BTNFACE));
    // Caption text is black in the usual schemes: the typed text turns white to stay readable.
    if (GetSysColor(COLOR_CAPTIONTEXT) == RGB(0, 0, 0)) {
        EXPECT_EQ(active.text, RGB(255, 255, 255));
    }
    type(L"x");
    EXPECT_EQ(text(Field::Text1), L"x");
    SendMessageW(control(Control::Text3), WM_CHAR, L'y', 0); // as a key would
    EXPECT_EQ(text(Field::Text3), L"");
}

TEST_F(Win32StartUp, HasItsTitleFrameIconFontAndTwipsLayout) {
    std::array<wchar_t, 32> title{};
    GetWindowTextW(form->handle(), title.data(), static_cast<int>(title.size()));
    EXPECT_EQ(std::wstring(title.data()), L"Hex Converter");
    const auto style = GetWindowLongPtrW(form->handle(), GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(SendMessageW(form->handle(), WM_GETICON, ICON_BIG, 0), 0);
    RECT client{};
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, 301);
    EXPECT_EQ(client.bottom, 158);
    struct Expected {
        Control control;
        RECT pixels;
    };
    for (const Expected& e : {Expected{Control::Option1, {8, 64, 113, 97}},
                              Expected{Control::Option3, {8, 24, 121, 57}},
                              Expected{Control::Text1, {120, 72, 201, 99}},
                              Expected{Control::Text3, {120, 32, 201, 57}},
                              Expected{Control::Command1, {24, 120, 273, 145}},
                              Expected{Control::Command2, {208, 72, 289, 97}},
                              Expected{Control::Command3, {208, 32, 289, 57}}}) {
        const RECT at = clientRectOf(control(e.control));
        EXPECT_EQ((std::array{at.left, at.top, at.right, at.bottom}),
                  (std::array{e.pixels.left, e.pixels.top, e.pixels.right, e.pixels.bottom}))
            << static_cast<int>(e.control);
    }
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
}

TEST_F(Win32StartUp, ScalesLayoutAndFontWhenTheMonitorsDpiChanges) {
    RECT frame{};
    GetWindowRect(form->handle(), &frame);
    SendMessageW(form->handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&frame));
    const RECT at = clientRectOf(control(Control::Command1));
    EXPECT_EQ((std::array{at.left, at.top, at.right, at.bottom}),
              (std::array<LONG, 4>{48, 240, 546, 290}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(Control::Text1), WM_GETFONT, 0, 0)),
               sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -22);
}

TEST_F(Win32StartUp, FieldsFollowANewColourScheme) {
    const std::array<int, 2> elements = {COLOR_BTNFACE, COLOR_CAPTIONTEXT};
    const std::array<COLORREF, 2> before = {GetSysColor(COLOR_BTNFACE),
                                            GetSysColor(COLOR_CAPTIONTEXT)};
    const std::array<COLORREF, 2> scheme = {RGB(0, 0, 0), RGB(255, 255, 0)}; // as high contrast
    SetSysColors(2, elements.data(), scheme.data());
    pump();
    const FieldColours active = coloursOf(form->handle(), control(Control::Text1));
    const FieldColours inactive = coloursOf(form->handle(), control(Control::Text3));
    SetSysColors(2, elements.data(), before.data());
    EXPECT_EQ(active.background, RGB(255, 255, 0));
    EXPECT_EQ(inactive.background, RGB(0, 0, 0));
    EXPECT_EQ(inactive.text, RGB(255, 255, 255));
}

class Win32TabOrder : public Win32Fixture, public testing::WithParamInterface<hexconv::TabCycle> {};

TEST_P(Win32TabOrder, VisitsExactlyTheModesCycle) {
    if (GetParam().hexMode) {
        selectHexMode();
    }
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < GetParam().stops.size(); ++i) {
        press(VK_TAB, GetParam().backwards);
        visited.push_back(focusName());
    }
    EXPECT_EQ(visited, GetParam().stops);
    EXPECT_EQ(checked(control(Control::Option1)), !GetParam().hexMode);
}

INSTANTIATE_TEST_SUITE_P(BothModes, Win32TabOrder, testing::ValuesIn(hexconv::tabCycles()),
                         [](const auto& info) { return std::string(info.param.name); });

using Win32Keyboard = Win32Fixture;

TEST_F(Win32Keyboard, EveryArrowKeyOnAnOptionSwitchesToTheOtherMode) {
    for (const WORD arrow : {VK_DOWN, VK_UP, VK_LEFT, VK_RIGHT}) {
        const bool wasCharacterMode = checked(control(Control::Option1));
        press(VK_TAB, true); // from the mode's field back onto its option
        ASSERT_EQ(focusName(), wasCharacterMode ? "Option1" : "Option3");
        press(arrow);
        EXPECT_EQ(checked(control(Control::Option3)), wasCharacterMode) << arrow;
        EXPECT_EQ(focusName(), wasCharacterMode ? "Text3" : "Text1") << arrow;
        EXPECT_EQ(readOnly(control(Control::Text3)), !wasCharacterMode) << arrow;
    }
}

TEST_F(Win32Keyboard, SpaceAndEnterPressTheFocusedButton) {
    type(L"A");
    press(VK_TAB); // Calculate
    press(VK_SPACE);
    EXPECT_EQ(text(Field::Text3), L"41");
    press(VK_TAB); // the character's Copy
    press(VK_RETURN);
    EXPECT_EQ(clipboard(), L"A");
    press(VK_TAB); // the hex digits' Copy
    press(VK_SPACE);
    EXPECT_EQ(clipboard(), L"41");
}

TEST_F(Win32Keyboard, EnterAndEscapeInAFieldPressNothing) {
    setClipboard(L"before");
    type(L"A");
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_EQ(text(Field::Text2), L"");
    EXPECT_EQ(clipboard(), L"before");
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_EQ(focusName(), "Text1");
}

TEST_F(Win32Keyboard, SwitchingModesSelectsTheFieldsText) {
    type(L"Hello");
    selectHexMode();
    click(Control::Option1);
    type(L"B"); // replaces the selected text
    EXPECT_EQ(text(Field::Text1), L"B");
}

using Win32Mouse = Win32Fixture;

TEST_F(Win32Mouse, ConversionsInBothModesReachTheClipboardAndTheCaretStaysInTheField) {
    type(L"A");
    click(Control::Command1);
    EXPECT_EQ(focusName(), "Text1");
    click(Control::Command3);
    EXPECT_EQ(clipboard(), L"41");
    EXPECT_EQ(clipboard(CF_TEXT), L"41"); // the ANSI form Windows derives
    EXPECT_EQ(focusName(), "Text1");
    selectHexMode();
    type(L"7e");
    click(Control::Command1);
    click(Control::Command2);
    EXPECT_EQ(clipboard(), L"~");
    EXPECT_EQ(focusName(), "Text3");
}

TEST_F(Win32Mouse, VisibleFieldsStopAtTheInputLimit) {
    setClipboard(std::wstring(32768, L'7'));
    SendMessageW(control(Control::Text1), WM_PASTE, 0, 0);
    EXPECT_EQ(text(Field::Text1).size(), 32767U);
    type(L"8");
    EXPECT_EQ(text(Field::Text1).size(), 32767U);
}

class Win32Calculate : public Win32Fixture,
                       public testing::WithParamInterface<hexconv::CalculateExample> {};

// The shared worked examples, the input as a paste brings it, a failure answered in its box.
TEST_P(Win32Calculate, FillsTheFieldsThroughTheChain) {
    const hexconv::CalculateExample& example = GetParam();
    if (example.hexMode) {
        selectHexMode();
    }
    setClipboard(Utf16::fromUtf32(example.input));
    SendMessageW(control(example.hexMode ? Control::Text3 : Control::Text1), WM_PASTE, 0, 0);
    answerMessageBoxes();
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
    EXPECT_EQ(boxes[0].text.substr(0, example.report.size()), Utf16::fromUtf32(example.report));
    EXPECT_TRUE(boxes[0].ownerDisabled);
    EXPECT_EQ(focusName(), example.hexMode ? "Text3" : "Text1");
}

INSTANTIATE_TEST_SUITE_P(SharedExamples, Win32Calculate,
                         testing::ValuesIn(hexconv::calculateExamples()),
                         [](const auto& info) { return std::string(info.param.name); });

using Win32Failure = Win32Fixture;

TEST_F(Win32Failure, HexGIsReportedWithItsNameAndTheCaretComesBackSelected) {
    selectHexMode();
    type(L"g");
    answerMessageBoxes();
    click(Control::Command1);
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].text, L"\"g\" is not a hex digit. Type one or two hex digits: 0-9 and A-F "
                             L"(either case).\n\nType mismatch");
    EXPECT_EQ(focusName(), "Text3");
    type(L"41");
    EXPECT_EQ(text(Field::Text3), L"41");
    EXPECT_TRUE(IsWindowEnabled(form->handle()));
}

TEST_F(Win32Failure, CloseDuringAYieldEndsTheHandlerAndTheProgram) {
    type(L"A");
    // The close command waits in the queue; the chain's first event yield handles it.
    PostMessageW(form->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    answerMessageBoxes();
    SendMessageW(control(Control::Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(form->handle(), nullptr);
    EXPECT_TRUE(boxes.empty());
    MSG quit{};
    EXPECT_NE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), 0);
}

using Win32Tooltip = Win32Fixture;

TEST_F(Win32Tooltip, NamesTheFirstCharacter) {
    const UnicodeData unicode;
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
        std::array<wchar_t, 256> shown{};
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = form->handle();
        tool.uId = reinterpret_cast<UINT_PTR>(control(Control::Text1));
        tool.lpszText = shown.data();
        SendMessageW(form->tooltipHandle(), TTM_GETTEXTW, shown.size(),
                     reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(shown.data()), unicode.hasIcu() ? c.withNames : c.withoutNames);
    }
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
