// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <exception>
#include <functional>

// The page's failure box: a modal dialog under the program's name, saying what went wrong and
// the failure's name, closed by OK or Escape, in the page's font. It tells when it has closed.
class FailureBox {
public:
    FailureBox(const emscripten::val& document, const std::function<void()>& closed);

    bool isOpen() const;
    // The failure's words; opened, unless it is open already.
    void show(const std::exception_ptr& failure);

private:
    emscripten::val dialog_;
    emscripten::val message_;
    emscripten::val name_;
};
