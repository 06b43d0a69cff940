// SPDX-License-Identifier: MIT
#include "CharacterDescription.h"

#include "Failure.h"
#include "Translations.h"

#include <array>

namespace hexconv {

namespace {

// The control characters' names: for each, the first alias of type "control" in Unicode's
// NameAliases.txt, or its "figment" where it has none (0080, 0081, 0099). ICU gives them no name.
constexpr std::array<const char*, 32> c0Names = {
    "NULL",                        // 0000
    "START OF HEADING",            // 0001
    "START OF TEXT",               // 0002
    "END OF TEXT",                 // 0003
    "END OF TRANSMISSION",         // 0004
    "ENQUIRY",                     // 0005
    "ACKNOWLEDGE",                 // 0006
    "ALERT",                       // 0007
    "BACKSPACE",                   // 0008
    "CHARACTER TABULATION",        // 0009
    "LINE FEED",                   // 000A
    "LINE TABULATION",             // 000B
    "FORM FEED",                   // 000C
    "CARRIAGE RETURN",             // 000D
    "SHIFT OUT",                   // 000E
    "SHIFT IN",                    // 000F
    "DATA LINK ESCAPE",            // 0010
    "DEVICE CONTROL ONE",          // 0011
    "DEVICE CONTROL TWO",          // 0012
    "DEVICE CONTROL THREE",        // 0013
    "DEVICE CONTROL FOUR",         // 0014
    "NEGATIVE ACKNOWLEDGE",        // 0015
    "SYNCHRONOUS IDLE",            // 0016
    "END OF TRANSMISSION BLOCK",   // 0017
    "CANCEL",                      // 0018
    "END OF MEDIUM",               // 0019
    "SUBSTITUTE",                  // 001A
    "ESCAPE",                      // 001B
    "INFORMATION SEPARATOR FOUR",  // 001C
    "INFORMATION SEPARATOR THREE", // 001D
    "INFORMATION SEPARATOR TWO",   // 001E
    "INFORMATION SEPARATOR ONE",   // 001F
};
constexpr const char* deleteName = "DELETE";
constexpr std::array<const char*, 32> c1Names = {
    "PADDING CHARACTER",                       // 0080
    "HIGH OCTET PRESET",                       // 0081
    "BREAK PERMITTED HERE",                    // 0082
    "NO BREAK HERE",                           // 0083
    "INDEX",                                   // 0084
    "NEXT LINE",                               // 0085
    "START OF SELECTED AREA",                  // 0086
    "END OF SELECTED AREA",                    // 0087
    "CHARACTER TABULATION SET",                // 0088
    "CHARACTER TABULATION WITH JUSTIFICATION", // 0089
    "LINE TABULATION SET",                     // 008A
    "PARTIAL LINE FORWARD",                    // 008B
    "PARTIAL LINE BACKWARD",                   // 008C
    "REVERSE LINE FEED",                       // 008D
    "SINGLE SHIFT TWO",                        // 008E
    "SINGLE SHIFT THREE",                      // 008F
    "DEVICE CONTROL STRING",                   // 0090
    "PRIVATE USE ONE",                         // 0091
    "PRIVATE USE TWO",                         // 0092
    "SET TRANSMIT STATE",                      // 0093
    "CANCEL CHARACTER",                        // 0094
    "MESSAGE WAITING",                         // 0095
    "START OF GUARDED AREA",                   // 0096
    "END OF GUARDED AREA",                     // 0097
    "START OF STRING",                         // 0098
    "SINGLE GRAPHIC CHARACTER INTRODUCER",     // 0099
    "SINGLE CHARACTER INTRODUCER",             // 009A
    "CONTROL SEQUENCE INTRODUCER",             // 009B
    "STRING TERMINATOR",                       // 009C
    "OPERATING SYSTEM COMMAND",                // 009D
    "PRIVACY MESSAGE",                         // 009E
    "APPLICATION PROGRAM COMMAND",             // 009F
};

// The alias of a C0 or C1 control or of DELETE ("LINE FEED"); nullptr for any other code point.
const char* controlName(char32_t codePoint) {
    if (codePoint < 0x20) {
        return c0Names.at(codePoint);
    }
    if (codePoint == 0x7F) {
        return deleteName;
    }
    if (codePoint >= 0x80 && codePoint < 0xA0) {
        return c1Names.at(codePoint - 0x80);
    }
    return nullptr;
}

} // namespace

std::string CharacterDescription::nameOf(char32_t codePoint, const UnicodeName& unicodeName) {
    if (const char* alias = controlName(codePoint)) {
        return alias;
    }
    return unicodeName ? unicodeName(codePoint) : std::string();
}

std::string CharacterDescription::describe(std::u32string_view character,
                                           const UnicodeName& unicodeName) {
    std::string description;
    for (const char32_t codePoint : character) {
        if (!description.empty()) {
            description += " + ";
        }
        description += Failure::codePoints(std::u32string_view(&codePoint, 1));
        if (const std::string name = nameOf(codePoint, unicodeName); !name.empty()) {
            description += ' ' + name;
        }
    }
    return description;
}

std::string CharacterDescription::note(std::u32string_view firstCharacter,
                                       const UnicodeName& unicodeName, const CodePage& codePage) {
    const std::string description = describe(firstCharacter, unicodeName);
    if (description.empty()) {
        return Translations::text(HEXCONV_TRANSLATABLE("Form1", "Code page: %1"),
                                  {codePage.name()});
    }
    return Translations::text(HEXCONV_TRANSLATABLE("Form1", "%1\nCode page: %2"),
                              {description, codePage.name()});
}

} // namespace hexconv
