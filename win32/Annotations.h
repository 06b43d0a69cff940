// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct IAccPropServices;

// Names and descriptions that a screen reader speaks for controls whose caption says too little,
// set through Windows' Dynamic Annotation (IAccPropServices), which starts with the first one,
// and cleared again with this object.
// Where Windows does not offer it (Wine does not) nothing is set, and the controls keep what
// Windows gives them by default.
class Annotations {
public:
    Annotations() = default;
    ~Annotations();
    Annotations(const Annotations&) = delete;
    Annotations& operator=(const Annotations&) = delete;
    Annotations(Annotations&&) = delete;
    Annotations& operator=(Annotations&&) = delete;

    void setName(HWND control, const std::wstring& name);
    void setDescription(HWND control, const std::wstring& description);

private:
    void start();
    void set(HWND control, const GUID& property, const std::wstring& text);

    IAccPropServices* services_ = nullptr;
    bool started_ = false;
    HMODULE com_ = nullptr;
    void(WINAPI* uninitialize_)() = nullptr;
    bool comStarted_ = false;
    std::vector<HWND> annotated_;
};
