#include "SystemColour.h"
#include "Form1.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemColour, WindowColoursAreReferencesNotFixedColours) {
    EXPECT_EQ(Form1::ActiveBackground.reference(), 0x80000009u);
    EXPECT_EQ(Form1::InactiveBackground.reference(), 0x8000000Fu);
    EXPECT_EQ(Form1::ActiveBackground.role(), QPalette::HighlightedText);
    EXPECT_EQ(Form1::InactiveBackground.role(), QPalette::Button);
}

TEST(SystemColour, ResolvesAgainstWhicheverPaletteIsGiven) {
    QPalette light;
    light.setColor(QPalette::Button, QColor(240, 240, 240));
    QPalette dark;
    dark.setColor(QPalette::Button, QColor(30, 30, 30));
    EXPECT_EQ(Form1::InactiveBackground.resolve(light), QColor(240, 240, 240));
    EXPECT_EQ(Form1::InactiveBackground.resolve(dark), QColor(30, 30, 30));
}

TEST(SystemColour, MapsTheCommonIndicesToTheirNearestRoles) {
    EXPECT_EQ(SystemColour(0x80000005).role(), QPalette::Base);
    EXPECT_EQ(SystemColour(0x80000008).role(), QPalette::Text);
    EXPECT_EQ(SystemColour(0x80000012).role(), QPalette::ButtonText);
    EXPECT_EQ(SystemColour(0x8000000D).role(), QPalette::Highlight);
    EXPECT_EQ(SystemColour(0x800000FE).role(), QPalette::Window);
}

TEST(SystemColour, FixedColourIsBlueGreenRed) {
    const SystemColour fixed(0x00804020);
    EXPECT_FALSE(fixed.role().has_value());
    EXPECT_EQ(fixed.resolve(QPalette()), QColor(0x20, 0x40, 0x80));
}

TEST(SystemColour, TextStaysReadableOnAnyBackground) {
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(20, 20, 20));
    EXPECT_EQ(SystemColour::readableTextOn(QColor(255, 255, 255), palette), QColor(20, 20, 20));
    EXPECT_EQ(SystemColour::readableTextOn(QColor(10, 10, 10), palette), QColor(Qt::white));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    EXPECT_EQ(SystemColour::readableTextOn(QColor(250, 250, 250), palette), QColor(Qt::black));
    EXPECT_EQ(SystemColour::readableTextOn(QColor(128, 128, 128), palette), QColor(Qt::black));
}

} // namespace
