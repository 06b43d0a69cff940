// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include <QPixmap>

#include <array>

namespace {

constexpr int side = 32;
constexpr int glyphWidth = 5;
constexpr int glyphHeight = 7;

using Glyph = std::array<const char*, glyphHeight>;

constexpr Glyph zero = {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."};
constexpr Glyph one = {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."};

constexpr std::array<const char*, 3> rows = {"10110", "01101", "11010"};
constexpr int left = 2;        // 5 glyphs 5 wide with 1-pixel gaps: 29 pixels, centred
constexpr int top = 2;         // 3 rows 7 high with 3-pixel gaps: 27 pixels
constexpr int rowAdvance = 10; // glyph height plus gap

} // namespace

QImage AppIcon::image() {
    QImage image(side, side, QImage::Format_RGB888);
    image.fill(QColor(0, 0, 128));
    const QColor white(255, 255, 255);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int digit = 0; rows[row][digit] != '\0'; ++digit) {
            const Glyph& glyph = rows[row][digit] == '1' ? one : zero;
            const int x0 = left + digit * (glyphWidth + 1);
            const int y0 = top + static_cast<int>(row) * rowAdvance;
            for (int y = 0; y < glyphHeight; ++y) {
                for (int x = 0; x < glyphWidth; ++x) {
                    if (glyph[y][x] == '#') {
                        image.setPixelColor(x0 + x, y0 + y, white);
                    }
                }
            }
        }
    }
    return image;
}

QIcon AppIcon::icon() {
    return QIcon(QPixmap::fromImage(image()));
}
