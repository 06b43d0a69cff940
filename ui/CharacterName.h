// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The first character of a text as a user sees it, and what to call it. "First" means the first
// grapheme cluster, in Unicode normalisation form C, so that "e" followed by a combining acute
// accent is the one character "é". Names are Unicode's, from ICU; the control characters, which
// have no Unicode name, are called by their standard alias.
class CharacterName {
public:
    static QString firstCharacter(const QString& text);
    // "U+0041 LATIN CAPITAL LETTER A"; a cluster that stays several code points is described
    // code point by code point, joined by " + ". The empty text gives the empty text.
    static QString describe(const QString& character);
    // The name alone, without the code point: "LINE FEED"; empty where Unicode has none.
    static QString nameOf(char32_t codePoint);
};
