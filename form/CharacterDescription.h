// SPDX-License-Identifier: MIT
#pragma once

#include "CodePage.h"
#include "MessageText.h"

#include <functional>
#include <string>
#include <string_view>

namespace hexconv {

// What the character field's tooltip and description say: its first character's code points,
// each with its name, in UTF-8, and the code page it converts in. The control characters, which
// Unicode leaves unnamed, are called by their standard alias; every other name comes from the
// platform's Unicode data, which the caller passes in.
class CharacterDescription {
public:
    // A code point's Unicode name ("LATIN CAPITAL LETTER A"), or the empty text where the
    // platform has none.
    using UnicodeName = std::function<std::string(char32_t codePoint)>;

    // The name a user reads: the control alias, otherwise the Unicode name.
    static std::string nameOf(char32_t codePoint, const UnicodeName& unicodeName);
    // "U+0041 LATIN CAPITAL LETTER A"; a cluster that stays several code points is described
    // code point by code point, joined by " + "; a code point without a name is given alone. The
    // empty text gives the empty text.
    static std::string describe(std::u32string_view character, const UnicodeName& unicodeName);

    // The whole note in the language spoken: the description of a text's first character, if
    // the text has one, and on a line of its own the code page.
    static std::string note(std::u32string_view firstCharacter, const UnicodeName& unicodeName,
                            const CodePage& codePage);
};

} // namespace hexconv
