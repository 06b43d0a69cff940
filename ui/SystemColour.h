// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <optional>

// A colour as a reference into the system colour scheme, in the Win32 numbering: the high bit
// set and the system colour index in the low byte (a value without the high bit is a fixed
// 0x00BBGGRR colour). It resolves the reference against a palette each time it is asked, so it
// follows the scheme; it holds no colour of its own and paints nothing.
class SystemColour {
public:
    explicit constexpr SystemColour(std::uint32_t reference) : reference_(reference) {}

    constexpr std::uint32_t reference() const { return reference_; }
    constexpr bool isSystemReference() const { return (reference_ & 0x80000000U) != 0; }
    constexpr int index() const { return static_cast<int>(reference_ & 0xFFU); }

    // The palette role nearest to the system colour; none for a fixed colour.
    std::optional<QPalette::ColorRole> role() const;
    QColor resolve(const QPalette& palette) const;

    // The palette's text colour where it reads well on the background (contrast of at least
    // 4.5:1), otherwise black or white, whichever reads better; one of them always reaches 4.5:1.
    static QColor readableTextOn(const QColor& background, const QPalette& palette);

    friend constexpr bool operator==(SystemColour, SystemColour) = default;

private:
    std::uint32_t reference_;
};
