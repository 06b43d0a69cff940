// SPDX-License-Identifier: MIT
#include "CodePage.h"

#include "Failure.h"
#include "Value.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace hexconv {

namespace {

// The character quoted and followed by its code points, or its code points alone where it would
// print as nothing.
MessageArgument describe(std::u32string_view character) {
    MessageArgument quoted = Failure::quote(character);
    if (!quoted.pattern) {
        return quoted;
    }
    return {HEXCONV_TRANSLATABLE("Failure", "\"%1\" (%2)"),
            {quoted.parts.front(), Failure::codePoints(character)}};
}

std::u32string widened(std::u16string_view text) {
    return {text.begin(), text.end()};
}

} // namespace

CodePage CodePage::windows1252() {
    return *withNumber(1252);
}

std::optional<CodePage> CodePage::withNumber(unsigned number) {
    const auto tables = CodePageTable::all();
    const auto found = std::find_if(tables.begin(), tables.end(),
                                    [number](const auto& t) { return t.number == number; });
    if (found == tables.end()) {
        return std::nullopt;
    }
    return CodePage(*found);
}

std::vector<unsigned> CodePage::numbers() {
    std::vector<unsigned> numbers;
    for (const CodePageTable& table : CodePageTable::all()) {
        numbers.push_back(table.number);
    }
    return numbers;
}

MessageArgument CodePage::name() const {
    return {table_->name, {}};
}

std::string CodePage::hexBytes(const Bytes& bytes) {
    static constexpr std::array<char, 16> digits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                    '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += digits.at(byte >> 4);
        text += digits.at(byte & 0xF);
    }
    return text;
}

std::optional<std::uint8_t> CodePage::singleByteOf(char32_t codePoint) const {
    if (codePoint < 0x80) {
        return static_cast<std::uint8_t>(codePoint);
    }
    if (codePoint == CodePageTable::NoCharacter || codePoint > 0xFFFF) {
        return std::nullopt;
    }
    const std::size_t at = table_->upperHalf.find(static_cast<char16_t>(codePoint));
    if (at == std::u16string_view::npos) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(0x80 + at);
}

std::optional<CodePage::Bytes> CodePage::severalBytesOf(char32_t codePoint) const {
    if (codePoint == CodePageTable::NoCharacter || codePoint > 0xFFFF) {
        return std::nullopt;
    }
    const auto wanted = static_cast<char16_t>(codePoint);
    for (const CodePageTable::Decomposition& decomposition : table_->decompositions) {
        if (decomposition.character == wanted) {
            Bytes bytes;
            for (const std::uint8_t byte : decomposition.bytes) {
                if (byte != 0) {
                    bytes.push_back(byte);
                }
            }
            return bytes;
        }
    }
    for (std::size_t lead = 0; lead < table_->pairs.size(); ++lead) {
        const std::size_t trail = table_->pairs[lead].find(wanted);
        if (trail != std::u16string_view::npos) {
            return Bytes{static_cast<std::uint8_t>(0x80 + lead),
                         static_cast<std::uint8_t>(CodePageTable::FirstTrailByte + trail)};
        }
    }
    return std::nullopt;
}

std::optional<CodePage::Bytes> CodePage::bytesOf(char32_t codePoint) const {
    if (const std::optional<std::uint8_t> byte = singleByteOf(codePoint)) {
        return Bytes{*byte};
    }
    return severalBytesOf(codePoint);
}

bool CodePage::isLeadByte(std::uint8_t byte) const {
    return byte >= 0x80 && !table_->pairs.empty() && !table_->pairs[byte - 0x80U].empty();
}

std::array<MessageArgument, 2> CodePage::examples() const {
    const std::u32string examples = widened(table_->examples);
    return {Failure::quote(examples.substr(0, 1)), Failure::quote(examples.substr(1, 1))};
}

std::uint8_t CodePage::codeOfCharacter(std::u32string_view character) const {
    const auto [example, otherExample] = examples();
    if (character.empty()) {
        throw NotInCodePage(
            HEXCONV_TRANSLATABLE("Failure",
                                 "There is no character to convert. Type a character of the code "
                                 "page %1: ASCII or a letter or sign such as %2 or %3."),
            {name(), example, otherExample});
    }
    if (character.size() == 1) {
        if (const std::optional<std::uint8_t> byte = singleByteOf(character.front())) {
            return *byte;
        }
    }
    // A character of several bytes: the bytes of each of its code points in turn.
    Bytes bytes;
    for (const char32_t codePoint : character) {
        const std::optional<Bytes> more = bytesOf(codePoint);
        if (!more) {
            throw NotInCodePage(
                character.size() == 1
                    ? HEXCONV_TRANSLATABLE("Failure",
                                           "The character %1 is not in the code page %2. Type a "
                                           "character of that code page: ASCII or a letter or "
                                           "sign such as %3 or %4.")
                    : HEXCONV_TRANSLATABLE("Failure",
                                           "The character %1 is not a single character of the "
                                           "code page %2. Type a character of that code page: "
                                           "ASCII or a letter or sign such as %3 or %4."),
                {describe(character), name(), example, otherExample});
        }
        bytes.insert(bytes.end(), more->begin(), more->end());
    }
    throw NotASingleByte(
        HEXCONV_TRANSLATABLE("Failure", "The character %1 takes more than one byte in the code "
                                        "page %2: %3. Type a character of one byte: ASCII or a "
                                        "letter or sign such as %4 or %5."),
        {describe(character), name(), hexBytes(bytes), example, otherExample});
}

char32_t CodePage::characterFor(double code) const {
    const double whole = std::nearbyint(code);
    if (!(whole >= 0 && whole <= 255)) {
        throw OutOfRange(
            HEXCONV_TRANSLATABLE("Failure",
                                 "There is no character with code %1: codes run from 0 to 255."),
            {Value::asciiTextForm(code)});
    }
    const auto byte = static_cast<std::uint8_t>(whole);
    if (byte < 0x80) {
        return byte;
    }
    const char16_t character = table_->upperHalf[byte - 0x80U];
    if (character != CodePageTable::NoCharacter) {
        return character;
    }
    throw NoCharacter(
        isLeadByte(byte)
            ? HEXCONV_TRANSLATABLE("Failure",
                                   "The byte %1 only begins a character of two bytes in the code "
                                   "page %2: alone it stands for no character.")
            : HEXCONV_TRANSLATABLE("Failure",
                                   "The byte %1 stands for no character in the code page %2."),
        {hexBytes({byte}), name()});
}

} // namespace hexconv
