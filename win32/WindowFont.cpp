// SPDX-License-Identifier: MIT
#include "WindowFont.h"

#include "Form1Description.h"
#include "Utf16.h"

#include <string>

namespace {

LOGFONTW describedFont(UINT dpi) {
    const auto& described = hexconv::Form1Description::WindowFont;
    constexpr int centipointsPerInch = 72 * 100;
    LOGFONTW font{};
    // Negative: the height of the characters, not of the cell.
    font.lfHeight = -MulDiv(described.centipoints, static_cast<int>(dpi), centipointsPerInch);
    font.lfWeight = described.weight;
    font.lfCharSet = ANSI_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = Utf16::fromUtf8(described.face);
    wcsncpy_s(font.lfFaceName, LF_FACESIZE, face.c_str(), _TRUNCATE);
    return font;
}

} // namespace

WindowFont::WindowFont(UINT dpi) {
    const LOGFONTW font = describedFont(dpi);
    font_ = CreateFontIndirectW(&font);
}

WindowFont::~WindowFont() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}
