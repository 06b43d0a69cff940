// SPDX-License-Identifier: MIT
#pragma once

#include "Annotations.h"
#include "Form1.h"
#include "Form1Controls.h"
#include "UnicodeData.h"
#include "WindowFont.h"
#include "WindowOperations.h"

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

// The converter window on the Windows API: the top-level window and the controls that the shared
// Form1Description lists, placed at the monitor's DPI, with labels and annotations for screen
// readers, the icon, the system colours behind the fields, the keys that a dialog would route
// (Tab, the option group's arrows, Enter on a button), the character field's tooltip, and the
// window operations over these controls. Its events go to the shared Form1, which owns every
// handler, the Tab rule and the input limit; this class decides none of them, nor the layout.
class Form1Window : public hexconv::WindowOperations {
public:
    explicit Form1Window(HINSTANCE instance,
                         hexconv::CodePage codePage = hexconv::CodePage::windows1252());
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;
    Form1Window(Form1Window&&) = delete;
    Form1Window& operator=(Form1Window&&) = delete;

    // None once the window is destroyed.
    HWND handle() const { return window_; }
    HWND controlHandle(hexconv::Control control) const { return controls_[control]; }
    HWND fieldHandle(hexconv::Field field) const { return controls_[field]; }
    HWND tooltipHandle() const { return tooltip_; }

    // Shows the window; the first control in tab order takes the focus, which opens the window in
    // character mode.
    void show(int showCommand);
    // One message of the message loop: the keys that this window routes itself, the rest
    // translated and dispatched.
    void dispatch(MSG& message);
    // Until the window is closed; gives the quit code.
    int runMessageLoop();

    std::u32string readText(hexconv::Field field) const override;
    void replaceText(hexconv::Field field, const std::u32string& text) override;
    void setBackgroundColour(hexconv::Field field, hexconv::SystemColour colour) override;
    void setLocked(hexconv::Field field, bool locked) override;
    void setTabStop(hexconv::Field field, bool tabStop) override;
    void giveFocus(hexconv::Field field) override;
    void selectWholeText(hexconv::Field field) override;
    bool isSelected(hexconv::Option option) const override;
    void eventYield() override;
    void setInputLimit(hexconv::Field field, int limit) override;
    std::u32string firstCharacter(const std::u32string& text) const override;
    void clearClipboard() override;
    void setClipboardText(const std::u32string& text) override;
    void reportFailure(const std::exception_ptr& failure) override;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK buttonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void handleCommand(HWND control, WORD notification);
    std::optional<LRESULT> fieldColours(HDC context, HWND control) const;
    bool routeKey(const MSG& message);

    void createControls(HINSTANCE instance);
    void applyDpi(UINT dpi);
    void select(hexconv::Option option);
    void describeCharacter(const std::u32string& character);
    static void limitInput(HWND field, int limit);

    HWND window_ = nullptr;
    hexconv::Form1Controls<HWND> controls_;
    HWND tooltip_ = nullptr;
    std::unique_ptr<WindowFont> font_;
    std::array<std::optional<hexconv::SystemColour>, hexconv::Form1Description::Slots>
        backgrounds_{};
    HWND lastFocus_ = nullptr;
    HWND focusBeforeClick_ = nullptr;
    UnicodeData unicode_;
    Annotations annotations_;
    hexconv::Form1 form_;
};
