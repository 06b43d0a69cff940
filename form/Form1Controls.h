// SPDX-License-Identifier: MIT
#pragma once

#include "Form1Description.h"

#include <array>
#include <cstddef>
#include <optional>

namespace hexconv {

// A front end's own controls (widgets, window handles, elements), one for each row of
// Form1Description, found by Control or by Field and, from a control, the other way round.
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
