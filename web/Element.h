// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

// A DOM element held from C++, or none: the handle that Form1Controls keeps, one per control.
class Element {
public:
    Element() = default;
    explicit Element(emscripten::val node) : node_(std::move(node)) {}

    const emscripten::val& operator*() const { return node_; }
    const emscripten::val* operator->() const { return &node_; }
    explicit operator bool() const { return !node_.isUndefined() && !node_.isNull(); }
    // The same element, not an equal one.
    friend bool operator==(const Element& one, const Element& other) {
        return one.node_.strictlyEquals(other.node_);
    }

private:
    emscripten::val node_ = emscripten::val::undefined();
};
