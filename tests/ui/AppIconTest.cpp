// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(AppIcon, IsThirtyTwoSquareInNavyAndWhiteOnly) {
    const QImage image = AppIcon::image();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.depth(), 24);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0, 0, 128), qRgb(255, 255, 255)}));
}

TEST(AppIcon, HasThreeRowsOfGlyphs) {
    const QImage image = AppIcon::image();
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool white = false;
        for (int x = 0; x < image.width(); ++x) {
            white = white || image.pixel(x, y) == qRgb(255, 255, 255);
        }
        bands += white && !inBand;
        inBand = white;
    }
    EXPECT_EQ(bands, 3);
}

// The icon installed for the desktop is the window's own, drawn at build time.
TEST(AppIcon, ExportedIconIsTheWindowsOwn) {
    const QImage exported(QStringLiteral(HEXCONV_ICON_32));
    ASSERT_FALSE(exported.isNull()) << HEXCONV_ICON_32;
    EXPECT_EQ(exported.convertToFormat(QImage::Format_RGB888), AppIcon::image());
}

} // namespace
