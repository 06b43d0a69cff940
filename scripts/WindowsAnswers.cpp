// SPDX-License-Identifier: MIT
// What Windows itself answers, for the test data that scripts/windows-locale-code-pages writes:
// "acp" prints the ANSI code page and the user's locale of this process (under Wine, as LANG
// gives them), "locales" every locale Windows knows with the default ANSI code page of its own
// table, one per line.
#include <windows.h>

#include <cstdio>
#include <cstring>

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
    std::fputs("usage: windows-answers acp | locales\n", stderr);
    return 2;
}
