// SPDX-License-Identifier: MIT
#include "CharacterName.h"

#include <QTextBoundaryFinder>

#include <unicode/uchar.h>

#include <array>

std::string CharacterName::unicodeName(char32_t codePoint) {
    std::array<char, 128> name{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_charName(static_cast<UChar32>(codePoint), U_UNICODE_CHAR_NAME,
                                      name.data(), static_cast<int32_t>(name.size()), &status);
    return U_SUCCESS(status) != 0 ? std::string(name.data(), static_cast<std::size_t>(length))
                                  : std::string();
}

QString CharacterName::firstCharacter(const QString& text) {
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    const qsizetype end = clusters.toNextBoundary();
    return text.left(end < 0 ? text.size() : end).normalized(QString::NormalizationForm_C);
}
