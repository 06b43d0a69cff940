// SPDX-License-Identifier: MIT
#include "SystemPalette.h"

#include "Rgb.h"
#include "TextColour.h"

#include <array>
#include <cstdint>

namespace {

// Win32 system colour indices 0 to 24 and the Qt palette role that plays the same part.
constexpr std::array<QPalette::ColorRole, 25> nearestRoles = {
    QPalette::Button,          // 0 scroll bar
    QPalette::Dark,            // 1 desktop
    QPalette::Highlight,       // 2 active title bar
    QPalette::Mid,             // 3 inactive title bar
    QPalette::Window,          // 4 menu
    QPalette::Base,            // 5 window background
    QPalette::Shadow,          // 6 window frame
    QPalette::WindowText,      // 7 menu text
    QPalette::Text,            // 8 window text
    QPalette::HighlightedText, // 9 active title bar text
    QPalette::Button,          // 10 active border
    QPalette::Button,          // 11 inactive border
    QPalette::Dark,            // 12 application workspace
    QPalette::Highlight,       // 13 selection
    QPalette::HighlightedText, // 14 selected text
    QPalette::Button,          // 15 button face
    QPalette::Dark,            // 16 button shadow
    QPalette::PlaceholderText, // 17 grey text
    QPalette::ButtonText,      // 18 button text
    QPalette::WindowText,      // 19 inactive title bar text
    QPalette::Light,           // 20 button highlight
    QPalette::Shadow,          // 21 3D dark shadow
    QPalette::Midlight,        // 22 3D light
    QPalette::ToolTipText,     // 23 tooltip text
    QPalette::ToolTipBase,     // 24 tooltip background
};

} // namespace

using hexconv::SystemColour;

std::optional<QPalette::ColorRole> SystemPalette::role(SystemColour colour) {
    if (!colour.isSystemReference()) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(colour.index());
    return i < nearestRoles.size() ? nearestRoles[i] : QPalette::Window;
}

QColor SystemPalette::resolve(SystemColour colour, const QPalette& palette) {
    if (const auto paletteRole = role(colour)) {
        return palette.color(*paletteRole);
    }
    const auto fixed = hexconv::Rgb::of(colour.reference());
    return QColor(static_cast<int>(fixed.red), static_cast<int>(fixed.green),
                  static_cast<int>(fixed.blue));
}

QColor SystemPalette::readableTextOn(const QColor& background, const QPalette& palette) {
    const auto reference = [](const QColor& colour) {
        return hexconv::Rgb{static_cast<unsigned>(colour.red()),
                            static_cast<unsigned>(colour.green()),
                            static_cast<unsigned>(colour.blue())}
            .bgr();
    };
    const QColor text = palette.color(QPalette::Text);
    const std::uint32_t chosen =
        hexconv::TextColour::readableOn(reference(background), reference(text));
    return chosen == reference(text) ? text : resolve(SystemColour(chosen), palette);
}
