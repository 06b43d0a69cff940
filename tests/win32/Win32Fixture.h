// SPDX-License-Identifier: MIT
#pragma once

#include "Form1Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A window's text, as Windows gives it to any program.
std::wstring windowText(HWND window);

// The real Win32 window, shown and in the foreground, driven with the input a user gives
// (SendInput). Every message box is answered as a user would, at once: a timer running inside
// the box's own loop reads it and presses Enter. A test that meets a box it did not expect fails
// and says what the box said.
class Win32Fixture : public testing::Test {
public:
    struct MessageBoxSeen {
        std::wstring title;
        std::wstring text;
        bool ownerDisabled = false;
        HWND handle = nullptr;
        HICON icon = nullptr;
    };
    static std::vector<MessageBoxSeen> boxes;

protected:
    void SetUp() override;
    void TearDown() override;

    // Handles input and messages until the window has been idle for a moment.
    void pump();
    void press(WORD key, bool shift = false);
    void type(const std::wstring& text);
    // Keys (down or up) and then the text, queued as one input, then handled.
    void keysThenText(const std::vector<std::pair<WORD, bool>>& keys, const std::wstring& text);
    // Handles messages until the condition holds, for two seconds at most; whether it held.
    bool pumpUntil(const std::function<bool()>& condition);
    // One click, or as many as given in quick succession (2: a double click).
    void click(hexconv::Control control, int times = 1);
    // The mouse at rest over the control.
    void hover(hexconv::Control control);
    void selectHexMode();
    std::string focusName() const;
    std::wstring text(hexconv::Field field) const;
    HWND control(hexconv::Control which) const { return form->controlHandle(which); }
    // This test looks at the message boxes it meets itself, in boxes.
    void expectMessageBoxes() { boxesExpected_ = true; }
    static std::wstring clipboard(UINT format = CF_UNICODETEXT);
    void setClipboard(const std::wstring& text) const;

    hexconv::CodePage codePage = hexconv::CodePage::windows1252(); // the window's, at SetUp
    std::unique_ptr<Form1Window> form;

private:
    INPUT pointAt(hexconv::Control control) const;

    UINT_PTR answering_ = 0;
    bool boxesExpected_ = false;
};
