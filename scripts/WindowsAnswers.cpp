// SPDX-License-Identifier: MIT
// What Windows itself answers, for the test data that scripts/windows-locale-code-pages writes:
// "acp" prints the ANSI code page and the user's locale of this process (under Wine, as LANG
// gives them), "locales" every locale Windows knows with the default ANSI code page of its own
// table, one per line; and for the program's tables, which scripts/windows-code-pages writes,
// "code-pages" prints how Windows converts each of its ANSI code pages.
#include <windows.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

BOOL CALLBACK printLocale(LPWSTR name, DWORD /*flags*/, LPARAM /*unused*/) {
    DWORD codePage = 0;
    if (*name != L'\0' && GetLocaleInfoEx(name, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                          reinterpret_cast<LPWSTR>(&codePage),
                                          sizeof codePage / sizeof(WCHAR)) != 0) {
        std::printf("%ls\t%lu\n", name, codePage);
    }
    return TRUE;
}

constexpr std::array<UINT, 14> ansiCodePages = {874,  932,  936,  949,  950,  1250, 1251,
                                                1252, 1253, 1254, 1255, 1256, 1257, 1258};
// The program's tables write this where a byte or a pair stands for no character.
constexpr wchar_t noCharacter = 0xFFFF;

// The text that Windows reads bytes as, empty where it cannot read them all.
std::wstring readAs(UINT codePage, const std::string& bytes) {
    std::wstring text(bytes.size(), L'\0');
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                           static_cast<int>(bytes.size()), text.data(),
                                           static_cast<int>(text.size()));
    return text.substr(0, static_cast<std::size_t>(std::max(length, 0)));
}

// The bytes that Windows writes a text as, empty where it has none for a character: no best fit,
// no default character.
std::string writtenAs(UINT codePage, const std::wstring& text) {
    std::string bytes(8, '\0');
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                           static_cast<int>(text.size()), bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, &usedDefault);
    return length <= 0 || usedDefault != FALSE ? std::string()
                                               : bytes.substr(0, static_cast<std::size_t>(length));
}

std::wstring normalized(NORM_FORM form, const std::wstring& text) {
    std::wstring result(32, L'\0');
    const int length = NormalizeString(form, text.data(), static_cast<int>(text.size()),
                                       result.data(), static_cast<int>(result.size()));
    return result.substr(0, static_cast<std::size_t>(std::max(length, 0)));
}

// The character of a byte or a pair in the program's tables: none where Windows reads none or
// a private-use code point (user-defined in the code page, not a character), or where it writes
// the character at other bytes, as it does for the second pair of a character that has two.
// aCharacter becomes true where they read as a character that is not private use, written at
// these bytes or elsewhere: a lead byte of such a pair begins a character.
wchar_t tableCharacter(UINT codePage, const std::string& bytes, bool& aCharacter) {
    const std::wstring text = readAs(codePage, bytes);
    if (text.size() != 1 || (text[0] >= 0xE000 && text[0] < 0xF900)) {
        return noCharacter;
    }
    aCharacter = true;
    return writtenAs(codePage, text) == bytes ? text[0] : noCharacter;
}

// The bytes of a character that Windows writes not itself but only as a letter followed by
// combining marks: of its canonical decomposition, the base character joined to as many of the
// marks as make a letter that Windows writes, then the other marks as Windows writes each, where
// Windows reads them back as the same text (marks of one class keep their order). Empty where
// there are none.
std::string asLetterAndMarks(UINT codePage, wchar_t c) {
    const std::wstring decomposed = normalized(NormalizationD, std::wstring(1, c));
    // A character of the Basic Multilingual Plane decomposes into four code points at most.
    if (!writtenAs(codePage, std::wstring(1, c)).empty() || decomposed.size() < 2 ||
        decomposed.size() > 8) {
        return {};
    }
    // Each set of the marks that joins the letter, the largest first; one mark at least stays.
    const unsigned sets = 1U << (decomposed.size() - 1);
    for (int joined = static_cast<int>(decomposed.size()) - 2; joined >= 0; --joined) {
        for (unsigned set = 0; set < sets; ++set) {
            if (std::popcount(set) != joined) {
                continue;
            }
            std::wstring letter = decomposed.substr(0, 1);
            std::wstring marks;
            for (std::size_t i = 1; i < decomposed.size(); ++i) {
                (((set >> (i - 1)) & 1U) != 0 ? letter : marks) += decomposed[i];
            }
            letter = normalized(NormalizationC, letter);
            std::string bytes = letter.size() == 1 ? writtenAs(codePage, letter) : std::string();
            for (std::size_t i = 0; i < marks.size() && !bytes.empty(); ++i) {
                const std::string mark = writtenAs(codePage, marks.substr(i, 1));
                bytes = mark.empty() ? std::string() : bytes + mark;
            }
            if (!bytes.empty() &&
                normalized(NormalizationD, readAs(codePage, bytes)) == decomposed) {
                return bytes;
            }
        }
    }
    return {};
}

// A code unit, as the tables write it.
std::string unit(wchar_t c) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), " %04X", static_cast<unsigned>(c));
    return text.data();
}

// For each code page, after its number: a line per byte from 0x80, the byte and its character
// (tableCharacter), or for a byte that begins a pair of a character, the characters of its
// trail bytes 0x40 to 0xFE; then a line per character written as a letter and marks, its code
// point and its bytes. All in hexadecimal.
void printCodePage(UINT codePage) {
    std::printf("code-page %u\n", codePage);
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        const auto lead = static_cast<char>(byte);
        bool aCharacter = false;
        std::string row;
        for (unsigned trail = 0x40; trail <= 0xFE && IsDBCSLeadByteEx(codePage, byte); ++trail) {
            row += unit(tableCharacter(codePage, {lead, static_cast<char>(trail)}, aCharacter));
        }
        if (!aCharacter) {
            row = unit(tableCharacter(codePage, std::string(1, lead), aCharacter));
        }
        std::printf("%02X%s\n", byte, row.c_str());
    }
    for (unsigned c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c < 0xF900) {
            continue; // surrogates and private use
        }
        const std::string bytes = asLetterAndMarks(codePage, static_cast<wchar_t>(c));
        if (!bytes.empty()) {
            std::printf("U+%04X", c);
            for (const char b : bytes) {
                std::printf(" %02X", static_cast<unsigned>(static_cast<unsigned char>(b)));
            }
            std::printf("\n");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "acp") == 0) {
        wchar_t name[LOCALE_NAME_MAX_LENGTH] = L"";
        GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
        std::printf("%u\t%ls\n", GetACP(), name);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "locales") == 0) {
        return EnumSystemLocalesEx(printLocale, LOCALE_ALL, 0, nullptr) ? 0 : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "code-pages") == 0) {
        for (const UINT codePage : ansiCodePages) {
            printCodePage(codePage);
        }
        return 0;
    }
    std::fputs("usage: windows-answers acp | locales | code-pages\n", stderr);
    return 2;
}
