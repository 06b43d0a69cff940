// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace hexconv {

// The program's icon as pixels, for every front end to draw or write the same image: three rows
// of white binary digits on a navy ground, 32 x 32, two colours only.
class Form1Icon {
public:
    static constexpr int Side = 32;
    static constexpr std::uint32_t Ground = 0x800000; // navy, 0x00BBGGRR
    static constexpr std::uint32_t Digits = 0xFFFFFF; // white

    // Whether the pixel at column x, row y (from the top left) belongs to a digit.
    static constexpr bool isDigit(int x, int y) {
        for (std::size_t row = 0; row < Rows.size(); ++row) {
            for (int digit = 0; Rows.at(row)[digit] != '\0'; ++digit) {
                const int gx = x - (Left + digit * (GlyphWidth + 1));
                const int gy = y - (Top + static_cast<int>(row) * RowAdvance);
                if (gx >= 0 && gx < GlyphWidth && gy >= 0 && gy < GlyphHeight) {
                    const Glyph& glyph = Rows.at(row)[digit] == '1' ? One : Zero;
                    return glyph.at(static_cast<std::size_t>(gy))[gx] == '#';
                }
            }
        }
        return false;
    }

private:
    static constexpr int GlyphWidth = 5;
    static constexpr int GlyphHeight = 7;
    using Glyph = std::array<const char*, GlyphHeight>;
    static constexpr Glyph Zero = {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."};
    static constexpr Glyph One = {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."};
    static constexpr std::array<const char*, 3> Rows = {"10110", "01101", "11010"};
    static constexpr int Left = 2;        // 5 glyphs 5 wide with 1-pixel gaps: 29 pixels, centred
    static constexpr int Top = 2;         // 3 rows 7 high with 3-pixel gaps: 27 pixels
    static constexpr int RowAdvance = 10; // glyph height plus gap
};

} // namespace hexconv
