// SPDX-License-Identifier: MIT
#pragma once

#include "CodePage.h"

#include <string_view>

namespace hexconv {

// Which code page stands for the system's ANSI code page. On Windows it is Windows' own; a system
// without one (Linux, the BSDs, a browser) gets the one that Windows gives the same locale: by
// language, and by script or territory where those decide. Windows-1252 wherever Windows gives
// none.
class SystemCodePage {
public:
    // Windows' ANSI code page (GetACP), or where that is none of Windows' ANSI code pages (UTF-8
    // as the system code page) the default ANSI code page of the user's locale.
    static CodePage forWindows(unsigned ansiCodePage, unsigned userLocaleCodePage);
    // A locale as POSIX names it ("sr_RS.UTF-8@latin", "C") or as BCP 47 does ("zh-Hant-TW").
    static CodePage forLocale(std::string_view locale);
    // The locale that decides the character set: the first of LC_ALL, LC_CTYPE and LANG that is
    // set and not empty; each may be null.
    static CodePage forLocaleVariables(const char* lcAll, const char* lcCtype, const char* lang);

    // The code page a user names by its number ("1251"); throws UnknownCodePage, which lists the
    // numbers, for any other text.
    static CodePage named(std::string_view number);
};

} // namespace hexconv
