// SPDX-License-Identifier: MIT
#include "Annotations.h"

// The identifiers of Dynamic Annotation, defined in this file.
#include <initguid.h>

#include <oleacc.h>

#include <algorithm>
#include <array>

namespace {

template <typename Function> Function lookUp(HMODULE library, const char* name) {
    // Through void (*)(), which any function pointer converts from and to without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

// Started at the first annotation, after the window's first paint: COM's library is loaded only
// then, from the system folder.
void Annotations::start() {
    started_ = true;
    com_ = LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const auto initialize = lookUp<decltype(&CoInitializeEx)>(com_, "CoInitializeEx");
    const auto create = lookUp<decltype(&CoCreateInstance)>(com_, "CoCreateInstance");
    uninitialize_ = lookUp<decltype(&CoUninitialize)>(com_, "CoUninitialize");
    if (initialize == nullptr || create == nullptr || uninitialize_ == nullptr) {
        return;
    }
    // The window's thread is a single-threaded apartment; S_FALSE: it was one already.
    comStarted_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    void* services = nullptr;
    if (SUCCEEDED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         &services))) {
        services_ = static_cast<IAccPropServices*>(services);
    }
}

Annotations::~Annotations() {
    if (services_ != nullptr) {
        std::array<MSAAPROPID, 2> properties = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
        for (HWND control : annotated_) {
            services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      properties.data(), static_cast<int>(properties.size()));
        }
        services_->Release();
    }
    if (comStarted_) {
        uninitialize_();
    }
    if (com_ != nullptr) {
        FreeLibrary(com_);
    }
}

void Annotations::setName(HWND control, const std::wstring& name) {
    set(control, PROPID_ACC_NAME, name);
}

void Annotations::setDescription(HWND control, const std::wstring& description) {
    set(control, PROPID_ACC_DESCRIPTION, description);
}

void Annotations::set(HWND control, const GUID& property, const std::wstring& text) {
    if (!started_) {
        start();
    }
    if (services_ == nullptr ||
        FAILED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                         property, text.c_str()))) {
        return;
    }
    if (std::find(annotated_.begin(), annotated_.end(), control) == annotated_.end()) {
        annotated_.push_back(control);
    }
}
