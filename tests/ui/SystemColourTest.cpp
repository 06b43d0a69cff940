// SPDX-License-Identifier: MIT
#include "Form1.h"
#include "SystemPalette.h"

#include <gtest/gtest.h>

using hexconv::Form1;
using hexconv::SystemColour;

namespace {

TEST(SystemColour, WindowColoursAreReferencesNotFixedColours) {
    EXPECT_EQ(Form1::ActiveBackground.reference(), 0x80000009u);
    EXPECT_EQ(Form1::InactiveBackground.reference(), 0x8000000Fu);
    EXPECT_EQ(SystemPalette::role(Form1::ActiveBackground), QPalette::HighlightedText);
    EXPECT_EQ(SystemPalette::role(Form1::InactiveBackground), QPalette::Button);
}

TEST(SystemColour, ResolvesAgainstWhicheverPaletteIsGiven) {
    QPalette light;
    light.setColor(QPalette::Button, QColor(240, 240, 240));
    QPalette dark;
    dark.setColor(QPalette::Button, QColor(30, 30, 30));
    EXPECT_EQ(SystemPalette::resolve(Form1::InactiveBackground, light), QColor(240, 240, 240));
    EXPECT_EQ(SystemPalette::resolve(Form1::InactiveBackground, dark), QColor(30, 30, 30));
}

TEST(SystemColour, MapsTheCommonIndicesToTheirNearestRoles) {
    EXPECT_EQ(SystemPalette::role(SystemColour(0x80000005)), QPalette::Base);
    EXPECT_EQ(SystemPalette::role(SystemColour(0x80000008)), QPalette::Text);
    EXPECT_EQ(SystemPalette::role(SystemColour(0x80000012)), QPalette::ButtonText);
    EXPECT_EQ(SystemPalette::role(SystemColour(0x8000000D)), QPalette::Highlight);
    EXPECT_EQ(SystemPalette::role(SystemColour(0x800000FE)), QPalette::Window);
}

TEST(SystemColour, FixedColourIsBlueGreenRed) {
    const SystemColour fixed(0x00804020);
    EXPECT_FALSE(SystemPalette::role(fixed).has_value());
    EXPECT_EQ(SystemPalette::resolve(fixed, QPalette()), QColor(0x20, 0x40, 0x80));
}

// Published contrast ratios (WCAG 2 relative luminance), not figures of this code: the palette's
// text colour stays where it reaches 4.5:1, otherwise black or white, whichever reads better.
TEST(SystemColour, TextStaysReadableAgainstPublishedContrastRatios) {
    const struct {
        const char* text;
        const char* background;
        const char* chosen;
    } cases[] = {
        {"#767676", "#ffffff", "#767676"}, // 4.54:1, just readable
        {"#777777", "#ffffff", "#000000"}, // 4.48:1, just not
        {"#0000ff", "#ffffff", "#0000ff"}, // 8.59:1
        {"#ff0000", "#ffffff", "#000000"}, // 4.00:1
        {"#ffff00", "#ffffff", "#000000"}, // 1.07:1
        {"#000000", "#0000ff", "#ffffff"}, // 2.44:1; white on blue is 8.59:1
        {"#ffffff", "#ffff00", "#000000"}, // 1.07:1; black on yellow is 19.56:1
        {"#000000", "#808080", "#000000"}, // 5.32:1
        {"#ffffff", "#808080", "#000000"}, // 3.95:1; black reads better
    };
    for (const auto& c : cases) {
        QPalette palette;
        palette.setColor(QPalette::Text, QColor(c.text));
        EXPECT_EQ(SystemPalette::readableTextOn(QColor(c.background), palette), QColor(c.chosen))
            << c.text << " on " << c.background;
    }
}

} // namespace
