// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <string>

// Unicode as Windows offers it to this program: the first character of a text (its first
// grapheme cluster, in normalisation form C) and the Unicode names of code points. Where Windows
// has its own ICU (icu.dll, Windows 10 version 1903 and later) it is loaded at run time and
// answers both; without it, normalisation comes from the system's NormalizeString, clusters from
// a rule that keeps combining marks, joiners, selectors and modifiers with their base, and no
// names are known.
class UnicodeData {
public:
    UnicodeData();
    ~UnicodeData();
    UnicodeData(const UnicodeData&) = delete;
    UnicodeData& operator=(const UnicodeData&) = delete;
    UnicodeData(UnicodeData&&) = delete;
    UnicodeData& operator=(UnicodeData&&) = delete;

    bool hasIcu() const { return icu_ != nullptr; }
    std::u32string firstCharacter(const std::u32string& text) const;
    // Empty where the name is not known.
    std::string nameOf(char32_t codePoint) const;

private:
    std::u32string firstClusterByRule(const std::u32string& text) const;
    std::u32string firstClusterByIcu(const std::u32string& text) const;
    std::u32string normalised(const std::u32string& cluster) const;

    struct Icu;
    std::unique_ptr<Icu> icu_;
    HMODULE normalizer_ = nullptr;
    int(WINAPI* normalizeString_)(NORM_FORM, LPCWSTR, int, LPWSTR, int) = nullptr;
};
