// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "CodePage.h"
#include "CommandLine.h"
#include "Conversions.h"
#include "Failure.h"
#include "FailureDialog.h"
#include "FailureReport.h"
#include "Form1Description.h"
#include "Form1Window.h"
#include "Languages.h"
#include "LayoutCheck.h"
#include "StartupMessages.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextLayout>
#include <QToolTip>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>

namespace {

using hexconv::Control;

// Each shipped language loaded before a window is made, named with a territory as a system names
// it ("de-DE"), English again after.
class Translated : public testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        const QString code = QString::fromLatin1(GetParam().code);
        Catalogue::load({code + '-' + code.toUpper()});
        Catalogue::install();
        ASSERT_EQ(hexconv::Translations::language(), GetParam().code);
        form = std::make_unique<Form1Window>();
    }
    void TearDown() override {
        form.reset();
        Catalogue::load({QStringLiteral("en")});
    }

    std::unique_ptr<Form1Window> form;
};

// Every caption and accessible name as the catalogue words it, whose words the core tests hold
// against the language's own.
TEST_P(Translated, CaptionsAndAccessibleNamesSpeakTheLanguage) {
    for (const auto& item : hexconv::Form1Description::Controls) {
        const auto* control = form->findChild<QWidget*>(QString::fromLatin1(item.name));
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            EXPECT_EQ(button->text().toStdString(), hexconv::Translations::text(*item.caption));
        }
        if (item.accessibleName) {
            EXPECT_EQ(control->accessibleName().toStdString(),
                      hexconv::Translations::text(*item.accessibleName));
        }
    }
    EXPECT_EQ(form->findChild<QWidget*>("Text1")->accessibleName(),
              QString::fromUtf8(GetParam().character));
}

// One failure of every kind, raised by the routines themselves: the words are the language's,
// the text the user gave is still quoted as it was.
TEST_P(Translated, FailuresOfEveryKindSpeakTheLanguageAndQuoteTheText) {
    const auto yield = [] {};
    const QString quotedG = QString::fromUtf8(GetParam().quotedG);
    const QString quotedOmega = QString(quotedG).replace('g', QChar(0x03A9));
    const struct {
        const char* kind;
        std::function<void()> raise;
        QString quoted;
        QString absent = {};
    } failures[] = {
        {"TypeMismatch", [&] { hexconv::Conversions::HexToBin(hexconv::Value(U"0g"), yield); },
         quotedG},
        // A character that would print as nothing is named, not quoted.
        {"NamedNotQuoted", [&] { hexconv::Conversions::HexToBin(hexconv::Value(U"\2"), yield); },
         "U+0002", QString(quotedG).replace('g', "U+0002")},
        {"OutOfRange", [] { hexconv::CodePage::windows1252().characterFor(256); }, "256"},
        {"NoCharacter", [] { hexconv::CodePage::withNumber(932)->characterFor(0x82); }, "82"},
        {"InvalidBitString", [] { hexconv::Conversions::BinToHex(hexconv::Value(U"101")); }, "3"},
        {"NotInCodePage", [] { hexconv::CodePage::windows1252().codeOfCharacter(U"\u03a9"); },
         quotedOmega},
        {"NotInCodePageNamed", [] { hexconv::CodePage::windows1252().codeOfCharacter(U"\u03a9"); },
         "U+03A9"},
        {"NotASingleByte", [] { hexconv::CodePage::withNumber(932)->codeOfCharacter(U"\u3042"); },
         "82 a0"},
    };
    for (const auto& failure : failures) {
        std::exception_ptr raised;
        std::string englishMessage;
        std::string englishName;
        try {
            failure.raise();
        } catch (const hexconv::Failure& error) {
            raised = std::current_exception();
            englishMessage = error.what();
            englishName = error.name();
        }
        ASSERT_TRUE(raised) << failure.kind;
        const QString message = QString::fromStdString(hexconv::FailureReport(raised).message());
        EXPECT_NE(message.toStdString(), englishMessage) << failure.kind;
        EXPECT_TRUE(message.contains(failure.quoted))
            << failure.kind << ": " << message.toStdString();
        EXPECT_TRUE(failure.absent.isEmpty() || !message.contains(failure.absent)) << failure.kind;
        EXPECT_NE(hexconv::FailureReport(raised).name(), englishName) << failure.kind;
    }
    EXPECT_NE(hexconv::FailureReport(std::make_exception_ptr(42)).name(), "Unexpected failure");
}

// What the user gave reaches every path that words a message whole, in every language: a Greek
// letter, an emoji and a CJK character in the window's failure, the command line's refusal and
// the start-up line that names the display.
TEST_P(Translated, TextOutsideLatin1ReachesEveryMessageWhole) {
    const QString given = QString::fromUtf8("\xce\xa9\xf0\x9f\x98\x80\xe4\xb8\xad"); // Ω😀中
    const std::u32string asCodePoints = given.toStdU32String();
    const QString failure = QString::fromStdString(
        hexconv::FailureReport(std::make_exception_ptr(hexconv::TypeMismatch::notANumber(
                                   std::u32string_view(asCodePoints))))
            .message());
    EXPECT_TRUE(failure.contains(QString::fromUtf8(GetParam().quotedG).replace('g', given)))
        << failure.toStdString();
    const CommandLine line({QStringLiteral("hex-converter"), "--" + given});
    EXPECT_TRUE(line.refusal().contains("--" + given)) << line.refusal().toStdString();
    const std::string display = ":" + given.toStdString();
    EXPECT_NE(StartupMessages::displaysTried({"xcb"}, display, "").find(display),
              std::string::npos);
}

TEST_P(Translated, LayoutAndTheFailureDialogHoldTheLongerWords) {
    form->show();
    EXPECT_EQ(LayoutCheck::problems(*form), "");
    FailureDialog dialog(form.get(), hexconv::FailureReport(std::make_exception_ptr(42)));
    dialog.show();
    EXPECT_GE(dialog.width(),
              QFontMetrics(QApplication::font()).horizontalAdvance(dialog.windowTitle()) + 150);
    EXPECT_EQ(dialog.windowTitle(), "Hex Converter"); // the program's name stays its own
}

TEST_P(Translated, QtsOwnContextMenuSpeaksTheLanguage) {
    std::unique_ptr<QMenu> menu(form->findChild<QLineEdit*>("Text1")->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    }
    // Where Qt has no catalogue of the language, its own texts stay English.
    const char* undo = GetParam().qtUndo != nullptr ? GetParam().qtUndo : "&Undo";
    EXPECT_TRUE(texts.contains(QString::fromUtf8(undo))) << texts.join(' ').toStdString();
}

// Every caption, the tooltip and a failure box's text are drawn with glyphs, never boxes: Qt falls
// back from the window's font to one with the language's script (the fonts that the package
// recommends and the tests install).
TEST_P(Translated, EveryTextIsDrawnWithRealGlyphs) {
    std::vector<std::pair<QString, QFont>> texts = {
        {form->findChild<QWidget*>("Text1")->toolTip(), QToolTip::font()},
        {QString::fromStdString(hexconv::FailureReport(std::make_exception_ptr(42)).message()),
         QApplication::font()}};
    for (const QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
        texts.emplace_back(button->text(), button->font());
        // Shaped where the language is written from right to left, so that Arabic letters join.
        EXPECT_FALSE(GetParam().rightToLeft &&
                     (button->font().styleStrategy() & QFont::PreferNoShaping) != 0)
            << button->text().toStdString();
    }
    for (const auto& [text, font] : texts) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            EXPECT_FALSE(run.glyphIndexes().contains(0)) << text.toStdString();
        }
    }
}

// A language written from right to left mirrors the window, as Qt mirrors its own: every control
// where a mirror of the window puts it. The hex field still reads from left to right, and the
// character field in the direction of the text it holds.
TEST_P(Translated, MirroredWhereTheLanguageReadsRightToLeft) {
    const bool mirrored = GetParam().rightToLeft;
    ASSERT_EQ(form->isRightToLeft(), mirrored);
    const int width =
        hexconv::Form1Description::pixels(hexconv::Form1Description::ClientArea, 96).width;
    for (const auto& item : hexconv::Form1Description::Controls) {
        const auto place = hexconv::Form1Description::pixels(item.place, 96);
        EXPECT_EQ(form->findChild<QWidget*>(QString::fromLatin1(item.name))->geometry(),
                  QRect(mirrored ? width - place.left - place.width : place.left, place.top,
                        place.width, place.height))
            << item.name;
    }
    auto* hex = form->findChild<QLineEdit*>("Text3");
    auto* character = form->findChild<QLineEdit*>("Text1");
    const auto window = mirrored ? Qt::RightToLeft : Qt::LeftToRight;
    const struct {
        const char* text;
        Qt::LayoutDirection direction;
    } texts[] = {{"", window}, {"A", Qt::LeftToRight}, {"\xd7\x90", Qt::RightToLeft}, {"", window}};
    for (const auto& typed : texts) {
        character->setText(QString::fromUtf8(typed.text));
        EXPECT_EQ(character->layoutDirection(), typed.direction) << typed.text;
        hex->setText(QString::fromUtf8(typed.text));
        EXPECT_EQ(hex->layoutDirection(), Qt::LeftToRight) << typed.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Translated, testing::ValuesIn(shippedLanguages()),
                         [](const auto& info) { return std::string(info.param.code); });

QString read(const char* path) {
    QFile file(QStringLiteral(HEXCONV_SOURCE_DIR "/") + QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(file.readAll());
}

QString captured(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

// Each catalogue as an XML reader reads it, against the table that the build writes of it: the
// same texts under the same contexts, with the escapes and character references decoded, so that
// each is found; and in each translation the placeholders, the code page names and the numbers of
// its English.
TEST(Catalogues, TheProgramHoldsEachAsXmlReadsItWithItsEnglishsNumbersAndPlaceholders) {
    const QRegularExpression kept(QStringLiteral("%[1-9]|Windows-\\d+|\\d{3,}"));
    const auto keptIn = [&kept](const std::string& text) {
        QStringList found;
        for (const auto& match : kept.globalMatch(QString::fromStdString(text))) {
            found << match.captured();
        }
        found.sort();
        return found.join(' ').toStdString();
    };
    const std::array<QString, 3> parts = {"name", "source", "translation"};
    for (const hexconv::Translations::Language& language : hexconv::Translations::shipped()) {
        QXmlStreamReader xml(
            read(("translations/hex-converter_" + std::string(language.code) + ".ts").c_str()));
        std::array<std::string, 3> text; // the context's name, the source, its translation
        std::size_t entries = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            const auto* part = std::find(parts.begin(), parts.end(), xml.name());
            if (part == parts.end()) {
                continue;
            }
            text.at(part - parts.begin()) = xml.readElementText().toStdString();
            if (part == &parts.back()) {
                ASSERT_LT(entries, language.entries.size()) << language.code;
                const hexconv::Translations::Entry& entry = language.entries[entries++];
                EXPECT_EQ(text, (std::array<std::string, 3>{entry.context, entry.source,
                                                            entry.translation}));
                EXPECT_EQ(keptIn(text[2]), keptIn(text[1])) << language.code << ": " << text[2];
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(entries, language.entries.size()) << language.code;
    }
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
