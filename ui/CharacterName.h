// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

// Unicode as Qt and ICU give it: the first character of a text as a user sees it (its first
// grapheme cluster, in Unicode normalisation form C, so that "e" followed by a combining acute
// accent is the one character "é"), and a code point's Unicode name.
class CharacterName {
public:
    static QString firstCharacter(const QString& text);
    // "LATIN CAPITAL LETTER A"; empty where Unicode has none (the control characters too).
    static std::string unicodeName(char32_t codePoint);
};
