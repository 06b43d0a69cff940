// SPDX-License-Identifier: MIT
#include "WindowFont.h"

#include "Form1Description.h"
#include "SystemCodePage.h"
#include "Translations.h"
#include "Utf16.h"

#include <algorithm>
#include <string>
#include <vector>

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

// Whether a font has a glyph of its own for every character of a text.
bool hasGlyphs(HFONT font, const std::wstring& text) {
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(context, font);
    std::vector<WORD> glyphs(text.size());
    const DWORD found = GetGlyphIndicesW(context, text.c_str(), static_cast<int>(text.size()),
                                         glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(context, previous);
    DeleteDC(context);
    constexpr WORD missing = 0xFFFF;
    return found != GDI_ERROR && std::find(glyphs.begin(), glyphs.end(), missing) == glyphs.end();
}

LOGFONTW fallbackFont(LOGFONTW font) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE) {
        wcsncpy_s(font.lfFaceName, LF_FACESIZE, metrics.lfMessageFont.lfFaceName, _TRUNCATE);
    }
    const unsigned codePage =
        hexconv::SystemCodePage::forLocale(hexconv::Translations::language()).number();
    CHARSETINFO charset{};
    if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(codePage)), &charset,
                             TCI_SRCCODEPAGE) != FALSE) {
        font.lfCharSet = static_cast<BYTE>(charset.ciCharset);
    }
    return font;
}

} // namespace

WindowFont::WindowFont(UINT dpi, const std::wstring& captions) {
    const LOGFONTW font = describedFont(dpi);
    font_ = CreateFontIndirectW(&font);
    if (font_ != nullptr && !hasGlyphs(font_, captions)) {
        const LOGFONTW fallback = fallbackFont(font);
        if (HFONT other = CreateFontIndirectW(&fallback)) {
            DeleteObject(font_);
            font_ = other;
        }
    }
}

WindowFont::~WindowFont() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}
