// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <functional>

// The page's events as C++ hears them: a listener attached to a target (an element, the
// document, a media query) calls the handler given with the event, and a handler that answers
// true keeps the browser's own handling from the event. The page's script so knows no control,
// element id or event number of its own.
class PageListener {
public:
    using Handler = std::function<bool(const emscripten::val& event)>;

    static void listen(const emscripten::val& target, const char* type, Handler handler);
    // The same, for a handler that leaves the browser's own handling alone.
    static void listen(const emscripten::val& target, const char* type,
                       const std::function<void()>& handler);
};
