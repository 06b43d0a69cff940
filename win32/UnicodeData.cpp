// SPDX-License-Identifier: MIT
#include "UnicodeData.h"

#include "Utf16.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace {

// ICU's C interface, as Windows' icu.dll exports it (UChar is a UTF-16 unit, status codes above
// zero are failures).
using UChar16 = wchar_t;
using UErrorCode = int;
constexpr int breakCharacter = 0;  // UBRK_CHARACTER
constexpr int unicodeCharName = 0; // U_UNICODE_CHAR_NAME
constexpr int breakDone = -1;      // UBRK_DONE
bool succeeded(UErrorCode status) {
    return status <= 0;
}

using BreakOpen = void* (*)(int, const char*, const UChar16*, int, UErrorCode*);
using BreakNext = int (*)(void*);
using BreakClose = void (*)(void*);
using Nfc = const void* (*)(UErrorCode*);
using Normalize = int (*)(const void*, const UChar16*, int, UChar16*, int, UErrorCode*);
using CharName = int (*)(int, int, char*, int, UErrorCode*);

template <typename Function> Function lookUp(HMODULE library, const char* name) {
    // Through void (*)(), which any function pointer converts from and to without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

bool isCombining(char32_t c) {
    if (c >= 0xFE00 && c <= 0xFE0F) { // variation selectors
        return true;
    }
    if ((c >= 0xE0100 && c <= 0xE01EF) || (c >= 0xE0020 && c <= 0xE007F) || // selectors, tags
        (c >= 0x1F3FB && c <= 0x1F3FF)) {                                   // skin tones
        return true;
    }
    if (c > 0xFFFF) {
        return false;
    }
    const auto unit = static_cast<wchar_t>(c);
    WORD type = 0;
    return GetStringTypeW(CT_CTYPE3, &unit, 1, &type) != 0 &&
           (type & (C3_NONSPACING | C3_VOWELMARK)) != 0;
}

bool isRegionalIndicator(char32_t c) {
    return c >= 0x1F1E6 && c <= 0x1F1FF;
}

// Nothing joins a control character, nor a control character anything: Unicode's controls for
// grapheme clusters, the invisible format characters among them (marks of direction, the
// zero-width space, the byte order mark, the line and paragraph separators).
bool isControl(char32_t c) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    constexpr std::array<Range, 17> ranges = {{
        {0x0000, 0x001F},
        {0x007F, 0x009F},
        {0x00AD, 0x00AD},
        {0x061C, 0x061C},
        {0x180E, 0x180E},
        {0x200B, 0x200B},
        {0x200E, 0x200F},
        {0x2028, 0x202E},
        {0x2060, 0x206F},
        {0xFEFF, 0xFEFF},
        {0xFFF0, 0xFFFB},
        {0x13430, 0x1343F},
        {0x1BCA0, 0x1BCA3},
        {0x1D173, 0x1D17A},
        {0xE0000, 0xE001F},
        {0xE0080, 0xE00FF},
        {0xE01F0, 0xE0FFF},
    }};
    return std::any_of(ranges.begin(), ranges.end(),
                       [c](const Range& range) { return c >= range.first && c <= range.last; });
}

// The pictographs that a zero-width joiner joins into one emoji: Unicode's
// Extended_Pictographic, in the blocks where it has them.
bool isPictographic(char32_t c) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    constexpr std::array<Range, 20> ranges = {{
        {0x00A9, 0x00A9},   {0x00AE, 0x00AE},   {0x203C, 0x203C},   {0x2049, 0x2049},
        {0x2122, 0x2122},   {0x2139, 0x2139},   {0x2194, 0x21AA},   {0x231A, 0x23FA},
        {0x24C2, 0x24C2},   {0x25AA, 0x25FE},   {0x2600, 0x27BF},   {0x2934, 0x2935},
        {0x2B05, 0x2B55},   {0x3030, 0x3030},   {0x303D, 0x303D},   {0x3297, 0x3299},
        {0x1F000, 0x1F1E5}, {0x1F200, 0x1F3FA}, {0x1F400, 0x1FAFF}, {0x1FC00, 0x1FFFD},
    }};
    return std::any_of(ranges.begin(), ranges.end(),
                       [c](const Range& range) { return c >= range.first && c <= range.last; });
}

} // namespace

struct UnicodeData::Icu {
    HMODULE library;
    BreakOpen breakOpen;
    BreakNext breakNext;
    BreakClose breakClose;
    Nfc nfc;
    Normalize normalize;
    CharName charName;
};

UnicodeData::UnicodeData() {
    // Only from the system folder: a DLL of that name beside the program is never loaded. Both
    // are loaded here, when a text is first described, not as the program starts.
    normalizer_ = LoadLibraryExW(L"normaliz.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    normalizeString_ = lookUp<decltype(&NormalizeString)>(normalizer_, "NormalizeString");
    HMODULE library = LoadLibraryExW(L"icu.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library == nullptr) {
        return;
    }
    Icu icu{library,
            lookUp<BreakOpen>(library, "ubrk_open"),
            lookUp<BreakNext>(library, "ubrk_next"),
            lookUp<BreakClose>(library, "ubrk_close"),
            lookUp<Nfc>(library, "unorm2_getNFCInstance"),
            lookUp<Normalize>(library, "unorm2_normalize"),
            lookUp<CharName>(library, "u_charName")};
    if (icu.breakOpen == nullptr || icu.breakNext == nullptr || icu.breakClose == nullptr ||
        icu.nfc == nullptr || icu.normalize == nullptr || icu.charName == nullptr) {
        FreeLibrary(library);
        return;
    }
    icu_ = std::make_unique<Icu>(icu);
}

UnicodeData::~UnicodeData() {
    if (icu_ != nullptr) {
        FreeLibrary(icu_->library);
    }
    if (normalizer_ != nullptr) {
        FreeLibrary(normalizer_);
    }
}

std::u32string UnicodeData::firstCharacter(const std::u32string& text) const {
    if (text.empty()) {
        return {};
    }
    return normalised(icu_ != nullptr ? firstClusterByIcu(text) : firstClusterByRule(text));
}

std::string UnicodeData::nameOf(char32_t codePoint) const {
    if (icu_ == nullptr) {
        return {};
    }
    std::array<char, 128> name{};
    UErrorCode status = 0;
    const int length = icu_->charName(static_cast<int>(codePoint), unicodeCharName, name.data(),
                                      static_cast<int>(name.size()), &status);
    return succeeded(status) && length > 0
               ? std::string(name.data(), static_cast<std::size_t>(length))
               : std::string();
}

std::u32string UnicodeData::firstClusterByIcu(const std::u32string& text) const {
    const std::wstring units = Utf16::fromUtf32(text);
    UErrorCode status = 0;
    void* breaks =
        icu_->breakOpen(breakCharacter, "", units.data(), static_cast<int>(units.size()), &status);
    if (breaks == nullptr || !succeeded(status)) {
        return firstClusterByRule(text);
    }
    const int end = icu_->breakNext(breaks);
    icu_->breakClose(breaks);
    if (end == breakDone || end <= 0) {
        return text;
    }
    return Utf16::toUtf32(std::wstring_view(units).substr(0, static_cast<std::size_t>(end)));
}

// Unicode's rules for grapheme clusters as far as this program needs them: CR LF is one, a
// control stands alone, a flag is a pair of regional indicators, marks and other extenders stay
// with what they follow, and a joiner joins pictographs into one emoji.
std::u32string UnicodeData::firstClusterByRule(const std::u32string& text) const {
    if (text[0] == U'\r' && text.size() > 1 && text[1] == U'\n') {
        return text.substr(0, 2);
    }
    if (isControl(text[0])) {
        return text.substr(0, 1);
    }
    std::size_t end = 1;
    if (isRegionalIndicator(text[0]) && text.size() > 1 && isRegionalIndicator(text[1])) {
        end = 2;
    }
    const bool emoji = isPictographic(text[0]);
    while (end < text.size()) {
        const char32_t next = text[end];
        const bool joined = emoji && text[end - 1] == 0x200D && isPictographic(next);
        // Both joiners, the zero-width joiner and non-joiner, stay with what they follow.
        if (!isControl(next) && (next == 0x200C || next == 0x200D || isCombining(next) || joined)) {
            ++end;
        } else {
            break;
        }
    }
    return text.substr(0, end);
}

std::u32string UnicodeData::normalised(const std::u32string& cluster) const {
    const std::wstring units = Utf16::fromUtf32(cluster);
    const int size = static_cast<int>(units.size());
    if (icu_ != nullptr) {
        UErrorCode status = 0;
        const void* nfc = icu_->nfc(&status);
        std::wstring out(units.size() * 3 + 4, L'\0');
        const int length = nfc != nullptr && succeeded(status)
                               ? icu_->normalize(nfc, units.data(), size, out.data(),
                                                 static_cast<int>(out.size()), &status)
                               : 0;
        if (succeeded(status) && length > 0) {
            out.resize(static_cast<std::size_t>(length));
            return Utf16::toUtf32(out);
        }
    }
    const int estimate = normalizeString_ != nullptr
                             ? normalizeString_(NormalizationC, units.data(), size, nullptr, 0)
                             : 0;
    if (estimate <= 0) {
        return cluster;
    }
    std::wstring out(static_cast<std::size_t>(estimate), L'\0');
    const int length = normalizeString_(NormalizationC, units.data(), size, out.data(), estimate);
    if (length <= 0) {
        return cluster;
    }
    out.resize(static_cast<std::size_t>(length));
    return Utf16::toUtf32(out);
}
