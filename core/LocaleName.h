// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace hexconv {

// A locale's name read into its language, script and territory, whichever way a platform writes
// it: as POSIX does ("sr_RS.UTF-8@latin", "C"), as BCP 47 does ("zh-Hant-TW"), or as Qt and Windows
// list languages ("de-DE"). The one reading of locale names for the choice of code page and of
// language.
struct LocaleName {
    std::string language;  // lower case: "sr", "c"
    std::string script;    // title case, from a subtag of four letters or a modifier: "Latn"
    std::string territory; // upper case: "RS"

    static LocaleName parse(std::string_view name);
};

} // namespace hexconv
