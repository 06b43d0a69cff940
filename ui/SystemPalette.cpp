// SPDX-License-Identifier: MIT
#include "SystemPalette.h"

#include <algorithm>
#include <array>
#include <cmath>

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

double relativeLuminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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
    const std::uint32_t fixed = colour.reference();
    return QColor(static_cast<int>(fixed & 0xFF), static_cast<int>((fixed >> 8) & 0xFF),
                  static_cast<int>((fixed >> 16) & 0xFF));
}

QColor SystemPalette::readableTextOn(const QColor& background, const QPalette& palette) {
    constexpr double readable = 4.5;
    const QColor text = palette.color(QPalette::Text);
    if (contrast(text, background) >= readable) {
        return text;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}
