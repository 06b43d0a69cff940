// SPDX-License-Identifier: MIT
#pragma once

#include "Form1Description.h"

#include <array>
#include <cstddef>
#include <optional>

namespace hexconv {

// One of something for each row of Form1Description, in its one numbering, found by Control or by
// Field: a front end's own controls (widgets, window handles, elements), which also give the
// control or field that a handle is, and Form1's state of each field.
template <typename Handle> class Form1Controls {
public:
    // NOLINTNEXTLINE(bugprone-dynamic-static-initializers): constexpr, so never dynamic
    static constexpr std::array<Field, 4> Fields = {Field::Text1, Field::Text2, Field::Text3,
                                                    Field::Text4};

    Handle& operator[](std::size_t slot) { return handles_.at(slot); }
    const Handle& operator[](std::size_t slot) const { return handles_.at(slot); }
    Handle& operator[](Control control) { return (*this)[Form1Description::slotOf(control)]; }
    const Handle& operator[](Control control) const {
        return (*this)[Form1Description::slotOf(control)];
    }
    Handle& operator[](Field field) { return (*this)[Form1Description::slotOf(field)]; }
    const Handle& operator[](Field field) const { return (*this)[Form1Description::slotOf(field)]; }

    // Every control, the hidden fields too.
    auto begin() const { return handles_.begin(); }
    auto end() const { return handles_.end(); }

    // Which visible control a handle is, if any.
    std::optional<Control> controlOf(const Handle& handle) const {
        for (std::size_t slot = 0; slot < Form1Description::Controls.size(); ++slot) {
            if (handle && handles_.at(slot) == handle) {
                return static_cast<Control>(slot);
            }
        }
        return std::nullopt;
    }

    // Which field a handle is, if any.
    std::optional<Field> fieldOf(const Handle& handle) const {
        for (const Field field : Fields) {
            if (handle && (*this)[field] == handle) {
                return field;
            }
        }
        return std::nullopt;
    }

private:
    std::array<Handle, Form1Description::Slots> handles_{};
};

} // namespace hexconv
