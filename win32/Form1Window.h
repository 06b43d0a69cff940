// SPDX-License-Identifier: MIT
#pragma once

#include "Annotations.h"
#include "Form1.h"
#include "Form1Controls.h"
#include "UnicodeData.h"
#include "WindowFont.h"
#include "WindowOperations.h"

#include <windows.h>

#include <memory>
#include <optional>

// The converter window on the Windows API: the top-level window and the controls that the shared
// Form1Description lists, placed at the monitor's DPI, with labels and annotations for screen
// readers, the icon, the system colours behind the fields, the character field's tooltip, and the
// window operations over these controls. It routes the keys that a dialog would (Tab, the option
// group's arrows, Enter on a button) and turns its messages (clicks, focus, edits, showing, a new
// colour scheme) into the calls of the shared Form1 that decides what each leads to.
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

    // Shows the window, which then opens as Form1 opens it.
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
    void giveFocus(hexconv::Control control, hexconv::FocusMove move) override;
    void selectWholeText(hexconv::Field field) override;
    bool isSelected(hexconv::Option option) const override;
    void selectOption(hexconv::Option option) override;
    void eventYield() override;
    void setInputLimit(hexconv::Field field, int limit) override;
    std::u32string firstCharacter(const std::u32string& text) const override;
    std::string unicodeName(char32_t codePoint) const override;
    void setCharacterNote(const std::string& note) override;
    void clearClipboard() override;
    void setClipboardText(const std::u32string& text) override;
    void reportFailure(const std::exception_ptr& failure) override;

    // A message box modal to the owner (none: to no window): what went wrong, and below it the
    // failure's name.
    static void showFailure(HWND owner, const std::exception_ptr& failure);

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
    void prepareAfterFirstPaint();
    // Loaded when a text is first described, not before the first paint.
    const UnicodeData& unicode() const {
        if (!unicode_) {
            unicode_.emplace();
        }
        return *unicode_;
    }
    void applyDpi(UINT dpi);
    static void limitInput(HWND field, int limit);
    void followTextDirection(hexconv::Field field);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    hexconv::Form1Controls<HWND> controls_;
    HWND tooltip_ = nullptr;
    std::unique_ptr<WindowFont> font_;
    HWND lastFocus_ = nullptr;
    HWND focusBeforeClick_ = nullptr;
    mutable std::optional<UnicodeData> unicode_;
    Annotations annotations_;
    hexconv::Form1 form_;
};
