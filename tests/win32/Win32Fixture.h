// SPDX-License-Identifier: MIT
#pragma once

#include "Form1Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The real Win32 window, shown and in the foreground, driven with the input a user gives
// (SendInput), and message boxes answered as a user would: a timer running inside the box's own
// loop reads it and presses Enter.
class Win32Fixture : public testing::Test {
public:
    struct MessageBoxSeen {
        std::wstring title;
        std::wstring text;
        bool ownerDisabled = false;
    };
    static std::vector<MessageBoxSeen> boxes;

protected:
    void SetUp() override;
    void TearDown() override;

    // Handles input and messages until the window has been idle for a moment.
    void pump();
    void press(WORD key, bool shift = false);
    void type(const std::wstring& text);
    void click(hexconv::Control control);
    void selectHexMode();
    std::string focusName() const;
    std::wstring text(hexconv::Field field) const;
    HWND control(hexconv::Control which) const { return form->controlHandle(which); }
    // The next message box is answered with Enter; what it showed lands in boxes.
    void answerMessageBoxes();
    static std::wstring clipboard(UINT format = CF_UNICODETEXT);
    void setClipboard(const std::wstring& text) const;

    std::unique_ptr<Form1Window> form;
};
