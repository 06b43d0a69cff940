// SPDX-License-Identifier: MIT
#include "Languages.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString read(const char* path) {
    QFile file(QStringLiteral(HEXCONV_SOURCE_DIR "/") + QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(file.readAll());
}

QString captured(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

// What a desktop shows in each language, against the words of that language: the keywords hold
// its word for "character", and the comment is the summary that software centres show, written
// separately in the AppStream metadata. A key filed under the wrong language shows here.
TEST(LocalizedMetadata, EachLanguageHasItsOwnKeywordsAndTheSameSummaryInBothFiles) {
    const QString entry = read("packaging/app.desktop.in");
    const QString metainfo = read("packaging/app.metainfo.xml.in");
    for (const Language& language : shippedLanguages()) {
        const QString code = QString::fromLatin1(language.code);
        const QString keywords = captured(entry, "^Keywords\\[" + code + "\\]=(.*)$");
        EXPECT_TRUE(keywords.split(';').contains(QString::fromUtf8(language.character).toLower()))
            << language.code << ": " << keywords.toStdString();
        const QString comment = captured(entry, "^Comment\\[" + code + "\\]=(.*)$");
        EXPECT_FALSE(comment.isEmpty()) << language.code;
        EXPECT_EQ(comment, captured(metainfo, "<summary xml:lang=\"" + code + "\">(.*)</summary>"))
            << language.code;
    }
}

} // namespace
