// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "ControlPlaces.h"
#include "Form1Fixture.h"
#include "Languages.h"
#include "LayoutCheck.h"
#include "UserStories.h"

#include "CharacterDescription.h"
#include "CharacterName.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QMimeData>

#include <algorithm>
#include <limits>
#include <map>

namespace {

using WindowLayout = Form1Fixture;

TEST_F(WindowLayout, HasItsTitleFixedSizeAndFont) {
    EXPECT_EQ(form->windowTitle(), "Hex Converter");
    EXPECT_EQ(form->size(), QSize(hexconv::clientWidth, hexconv::clientHeight));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->font().family(), "Tahoma");
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 8.25);
    EXPECT_EQ(form->font().weight(), QFont::Bold);
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(WindowLayout, PlacesEveryControlAtItsPosition) {
    for (const hexconv::ControlPlace& c : hexconv::controlPlaces) {
        QWidget* control = form->findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control->geometry(), QRect(c.left, c.top, c.width, c.height)) << c.name;
        EXPECT_TRUE(control->isVisible()) << c.name;
        EXPECT_EQ(control->font(), form->font()) << c.name;
        if (auto* b = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(b->text(), c.caption) << c.name;
        }
    }
}

// Whatever font stands in for Tahoma must still fit the fixed layout.
TEST_F(WindowLayout, NothingIsClippedOrOverlapping) {
    EXPECT_EQ(LayoutCheck::problems(*form), "");
}

TEST_F(WindowLayout, LayoutCheckSeesAnOverlapAClippedCaptionAndAnEscape) {
    button("Command2")->move(150, 72);
    option("Option3")->setText("Hex Decimal, spelled out at length");
    button("Command1")->resize(400, 25);
    const std::string problems = LayoutCheck::problems(*form);
    for (const char* seen :
         {"overlaps", "Option3's caption is wider", "Command1 reaches outside"}) {
        EXPECT_NE(problems.find(seen), std::string::npos) << seen << " in:\n" << problems;
    }
}

TEST_F(WindowLayout, HiddenFieldsAreOutOfSightAndReach) {
    for (const char* name : {"Text2", "Text4"}) {
        QLineEdit* hidden = field(name);
        ASSERT_NE(hidden, nullptr) << name;
        EXPECT_FALSE(hidden->isVisible()) << name;
        EXPECT_GE(hidden->x(), form->width()) << name;
        EXPECT_EQ(hidden->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_TRUE(hidden->text().isEmpty()) << name;
    }
}

TEST(StartUpUnshown, NeitherOptionIsSelectedBeforeTheWindowShows) {
    Form1Window form;
    EXPECT_FALSE(form.findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_FALSE(form.findChild<QRadioButton*>("Option3")->isChecked());
    EXPECT_FALSE(form.findChild<QLineEdit*>("Text3")->isReadOnly());
}

// A window that opens without being activated gets no focus-in: it still opens in character
// mode, and its option keys still switch modes.
TEST(StartUpUnshown, AWindowShownWithoutActivationOpensInCharacterMode) {
    Form1Window form;
    form.setAttribute(Qt::WA_ShowWithoutActivating);
    form.show(); // activation, where a platform gives it anyway, waits for the event loop
    ASSERT_NE(QApplication::activeWindow(), &form);
    auto* option1 = form.findChild<QRadioButton*>("Option1");
    auto* text1 = form.findChild<QLineEdit*>("Text1");
    auto* text3 = form.findChild<QLineEdit*>("Text3");
    EXPECT_TRUE(option1->isChecked());
    EXPECT_FALSE(text1->isReadOnly());
    EXPECT_TRUE(text3->isReadOnly());
    EXPECT_EQ(form.focusWidget(), text1);
    QTest::keyClick(option1, Qt::Key_Down);
    EXPECT_TRUE(form.findChild<QRadioButton*>("Option3")->isChecked());
    EXPECT_FALSE(text3->isReadOnly());
    EXPECT_EQ(form.focusWidget(), text3);
}

using Keyboard = Form1Fixture;

// The shared stories as Qt's events play them: mouse clicks, keys typed, Tab, Backtab, arrows;
// and again in a window mirrored for a language written from right to left, where they go the
// same way.
class Story : public Form1Fixture, public testing::WithParamInterface<hexconv::UserStory> {
protected:
    void SetUp() override {
        if (mirrored()) {
            Catalogue::load({QString::fromLatin1(rightToLeftLanguage().code)});
            Catalogue::install();
        }
        Form1Fixture::SetUp();
        ASSERT_EQ(form->isRightToLeft(), mirrored());
    }
    void TearDown() override {
        Form1Fixture::TearDown();
        Catalogue::load({QStringLiteral("en")});
        Catalogue::install();
    }
    static bool mirrored() {
        return std::string_view(
                   testing::UnitTest::GetInstance()->current_test_info()->test_suite_name())
            .starts_with("Mirrored");
    }
};

TEST_P(Story, LeavesTheFocusModeTextsAndSelection) {
    using Kind = hexconv::UserStep::Kind;
    const std::map<Kind, int> keys = {
        {Kind::Tab, Qt::Key_Tab},      {Kind::BackTab, Qt::Key_Backtab},
        {Kind::Up, Qt::Key_Up},        {Kind::Down, Qt::Key_Down},
        {Kind::Left, Qt::Key_Left},    {Kind::Right, Qt::Key_Right},
        {Kind::Space, Qt::Key_Space},  {Kind::Enter, Qt::Key_Return},
        {Kind::Escape, Qt::Key_Escape}};
    std::vector<std::string> visited;
    for (const hexconv::UserStep& step : GetParam().steps) {
        if (step.kind == Kind::Click) {
            click(form->findChild<QWidget*>(QString::fromStdString(step.control)));
        } else if (step.kind == Kind::Type) {
            type(QString::fromStdU32String(step.text));
        } else {
            key(keys.at(step.kind));
        }
        visited.push_back(focusName().toStdString());
    }
    EXPECT_EQ(GetParam().visited.empty() ? GetParam().visited : visited, GetParam().visited);
    EXPECT_EQ(GetParam().copied ? std::optional(QApplication::clipboard()->text().toStdU32String())
                                : std::nullopt,
              GetParam().copied);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(focusName().toStdString(), GetParam().focus);
    EXPECT_EQ(option("Option3")->isChecked(), GetParam().hexMode);
    EXPECT_EQ(option("Option1")->isChecked(), !GetParam().hexMode);
    EXPECT_EQ(field("Text1")->text().toStdU32String(), GetParam().character);
    EXPECT_EQ(field("Text3")->text().toStdU32String(), GetParam().hex);
    EXPECT_EQ(field("Text1")->isReadOnly(), GetParam().hexMode);
    EXPECT_EQ(field("Text3")->isReadOnly(), !GetParam().hexMode);
    auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    EXPECT_EQ(focused != nullptr ? focused->selectedText().toStdU32String() : U"",
              GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(SharedStories, Story, testing::ValuesIn(hexconv::userStories()),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(MirroredStories, Story, testing::ValuesIn(hexconv::userStories()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, ShiftTabAlsoMovesBackwards) {
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "Option1");
}

using Caret = Form1Fixture;

// A character that draws as nothing is still named, in the tooltip and for screen readers, and so
// is the code page.
TEST_F(Caret, CharacterFieldNamesItsFirstCharacterAndTheCodePage) {
    const QString inCodePage = "\nCode page: Windows-1252 (Western European)";
    const struct {
        const char* hex;
        QString description;
    } cases[] = {
        {"0a", "U+000A LINE FEED"},
        {"80", "U+20AC EURO SIGN"},
        {"a0", "U+00A0 NO-BREAK SPACE"},
        {"41", "U+0041 LATIN CAPITAL LETTER A"},
    };
    selectHexMode();
    QAccessibleInterface* character = QAccessible::queryAccessibleInterface(field("Text1"));
    for (const auto& c : cases) {
        field("Text3")->selectAll();
        type(c.hex);
        calculate();
        EXPECT_EQ(field("Text1")->toolTip(), c.description + inCodePage) << c.hex;
        EXPECT_EQ(character->text(QAccessible::Description), c.description + inCodePage) << c.hex;
    }
    // A cluster, and code points that Unicode leaves unnamed (unassigned, private use): those get
    // their code point alone, no made-up name.
    const struct {
        QString text;
        QString description;
    } typed[] = {
        {QString::fromUtf8("q\xcc\x81x"),
         "U+0071 LATIN SMALL LETTER Q + U+0301 COMBINING ACUTE ACCENT"},
        {QString(QChar(0x0378)), "U+0378"},
        {QString::fromUcs4(U"\U000F0000"), "U+F0000"},
        // A lone surrogate, as a broken paste may bring it, is what Qt makes of it.
        {QString(QChar(0xD800)) + "x", "U+FFFD REPLACEMENT CHARACTER"},
    };
    for (const auto& t : typed) {
        field("Text1")->setText(t.text);
        EXPECT_EQ(field("Text1")->toolTip(), t.description + inCodePage);
        EXPECT_EQ(character->text(QAccessible::Description), t.description + inCodePage);
    }
    // The code page the field converts in, named also while it is empty.
    field("Text1")->clear();
    EXPECT_EQ(field("Text1")->toolTip(), "Code page: Windows-1252 (Western European)");
    EXPECT_EQ(character->text(QAccessible::Description), field("Text1")->toolTip());
}

// Every control character's name is its alias in Unicode's own NameAliases.txt (Debian's
// unicode-data): the first of type "control", else the first "figment".
TEST(CharacterNames, ControlCharactersUseTheirUnicodeAliases) {
    QFile aliases(QStringLiteral("/usr/share/unicode/NameAliases.txt"));
    ASSERT_TRUE(aliases.open(QIODevice::ReadOnly)) << "install Debian's unicode-data";
    std::map<char32_t, QString> control, figment;
    while (!aliases.atEnd()) {
        const QStringList f =
            QString::fromUtf8(aliases.readLine()).section('#', 0, 0).trimmed().split(';');
        if (f.size() == 3) {
            auto& names = f[2] == "control" ? control : figment;
            names.emplace(f[0].toUInt(nullptr, 16), f[1]);
        }
    }
    int checked = 0;
    for (char32_t c = 0; c < 0xA0; ++c) {
        if (c >= 0x20 && c < 0x7F) {
            continue;
        }
        const QString expected = control.count(c) ? control[c] : figment[c];
        EXPECT_EQ(QString::fromStdString(
                      hexconv::CharacterDescription::nameOf(c, CharacterName::unicodeName)),
                  expected)
            << static_cast<unsigned>(c);
        checked += expected.isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(checked, 65);
    EXPECT_EQ(CharacterName::unicodeName(0xE9), "LATIN SMALL LETTER E WITH ACUTE");
}

using Clipboard = Form1Fixture;

// The hex field is locked in character mode, where the window opens: it copies all the same.
TEST_F(Clipboard, CopyButtonsReplaceEverythingWithTheWholeFieldText) {
    const struct {
        const char* button;
        const char* field;
        QString text;
    } cases[] = {{"Command2", "Text1", "Hello, world"},
                 {"Command3", "Text3", "41"},
                 {"Command2", "Text1", ""},
                 {"Command3", "Text3", QString::fromUtf8("\xe4\xb8\xad")}};
    for (const auto& c : cases) {
        auto* old = new QMimeData;
        old->setHtml("<b>old</b>");
        old->setData("application/x-old", "old");
        QApplication::clipboard()->setMimeData(old);
        field(c.field)->setText(c.text);
        field(c.field)->setSelection(0, 1);
        click(button(c.button));
        const QMimeData* now = QApplication::clipboard()->mimeData();
        EXPECT_EQ(now->text(), c.text) << c.button;
        EXPECT_FALSE(now->hasHtml()) << c.button;
        EXPECT_FALSE(now->hasFormat("application/x-old")) << c.button;
        EXPECT_EQ(field(c.field)->text(), c.text) << c.button;
    }
}

using Colours = Form1Fixture;

TEST_F(Colours, PaletteChangeResolvesTheFieldColoursAgain) {
    EXPECT_EQ(field("Text1")->palette().color(QPalette::Base),
              form->palette().color(QPalette::HighlightedText));
    EXPECT_EQ(field("Text3")->palette().color(QPalette::Base),
              form->palette().color(QPalette::Button));
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Button, QColor(40, 40, 40));
    dark.setColor(QPalette::HighlightedText, QColor(250, 250, 250));
    dark.setColor(QPalette::Text, QColor(255, 255, 255));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    const QColor active = field("Text1")->palette().color(QPalette::Base);
    const QColor activeText = field("Text1")->palette().color(QPalette::Text);
    const QColor inactive = field("Text3")->palette().color(QPalette::Base);
    const QColor inactiveText = field("Text3")->palette().color(QPalette::Text);
    QApplication::setPalette(original);
    QCoreApplication::processEvents();

    EXPECT_EQ(active, QColor(250, 250, 250));
    EXPECT_EQ(inactive, QColor(40, 40, 40));
    // White text on a near-white field would vanish: the field falls back to black.
    EXPECT_EQ(activeText, QColor(Qt::black));
    EXPECT_EQ(inactiveText, QColor(255, 255, 255));
    EXPECT_EQ(field("Text1")->palette().color(QPalette::Base),
              original.color(QPalette::HighlightedText));
}

} // namespace
