// SPDX-License-Identifier: MIT
#include "PageListener.h"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <vector>

using emscripten::val;

namespace {

// Every handler, for as long as the page lives: its listener finds it by its place here.
std::vector<PageListener::Handler>& handlers() {
    static std::vector<PageListener::Handler> all;
    return all;
}

// clang-format off
EM_JS(void, addListener, (emscripten::EM_VAL target, const char* type, int handler), {
    Emval.toValue(target).addEventListener(UTF8ToString(type), (event) => {
        if (_hexconvPageEvent(handler, Emval.toHandle(event))) {
            event.preventDefault();
        }
    });
});
// clang-format on

} // namespace

// Synchronous, so that a handler's answer reaches the browser before its own handling.
extern "C" EMSCRIPTEN_KEEPALIVE int hexconvPageEvent(int handler, emscripten::EM_VAL event) {
    const val taken = val::take_ownership(event);
    return handlers().at(static_cast<std::size_t>(handler))(taken) ? 1 : 0;
}

void PageListener::listen(const val& target, const char* type, Handler handler) {
    handlers().push_back(std::move(handler));
    addListener(target.as_handle(), type, static_cast<int>(handlers().size() - 1));
}

void PageListener::listen(const val& target, const char* type,
                          const std::function<void()>& handler) {
    listen(target, type, [handler](const val&) {
        handler();
        return false;
    });
}
