// SPDX-License-Identifier: MIT
#include "Form1.h"
#include "CalculateExamples.h"
#include "Form1Controls.h"
#include "RecordingWindow.h"
#include "TestNames.h"
#include "UserStories.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

using hexconv::Control;
using hexconv::Field;
using hexconv::Form1;
using hexconv::Form1Description;
using hexconv::fromUtf8;
using hexconv::Option;
using hexconv::RecordingWindow;
using Kind = hexconv::UserStep::Kind;
using Log = std::vector<std::string>;

namespace {

const std::string notAHexDigit = hexconv::utf8Of(hexconv::notAHexDigit);

class SharedCalculate : public testing::TestWithParam<hexconv::CalculateExample> {};

// The examples whose first character needs no Unicode segmentation.
std::vector<hexconv::CalculateExample> examplesWithoutUnicodeData() {
    std::vector<hexconv::CalculateExample> examples;
    for (const auto& example : hexconv::calculateExamples()) {
        if (!example.needsUnicodeData) {
            examples.push_back(example);
        }
    }
    return examples;
}

TEST_P(SharedCalculate, FillsTheFieldsThroughTheChain) {
    const auto& example = GetParam();
    RecordingWindow window(*hexconv::CodePage::withNumber(example.codePage));
    window.select(example.hexMode ? Option::Option3 : Option::Option1);
    window.type(example.hexMode ? Field::Text3 : Field::Text1, example.input);
    window.form.Command1_Click();
    const std::array<Field, 4> fields = {Field::Text1, Field::Text2, Field::Text3, Field::Text4};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(window.readText(fields.at(i)), example.fields.at(i)) << nameOf(fields.at(i));
    }
    EXPECT_EQ(window.reports,
              example.report.empty() ? Log{} : Log{hexconv::utf8Of(example.report)});
}

INSTANTIATE_TEST_SUITE_P(SharedExamples, SharedCalculate,
                         testing::ValuesIn(examplesWithoutUnicodeData()),
                         [](const auto& info) { return std::string(info.param.name); });

class SharedStory : public testing::TestWithParam<hexconv::UserStory> {};

TEST_P(SharedStory, LeavesTheFocusModeTextsAndSelection) {
    const hexconv::UserStory& story = GetParam();
    RecordingWindow window;
    window.form.opened();
    std::vector<std::string> visited;
    for (const hexconv::UserStep& step : story.steps) {
        window.play(step);
        visited.push_back(window.focusName());
    }
    EXPECT_EQ(story.visited.empty() ? story.visited : visited, story.visited);
    EXPECT_EQ(story.copied ? std::optional(window.clipboard) : std::nullopt, story.copied);
    EXPECT_EQ(window.focusName(), story.focus);
    EXPECT_EQ(window.selected, story.hexMode ? Option::Option3 : Option::Option1);
    EXPECT_EQ(window.readText(Field::Text1), story.character);
    EXPECT_EQ(window.readText(Field::Text3), story.hex);
    EXPECT_EQ(window.locked[Field::Text1], story.hexMode);
    EXPECT_EQ(window.locked[Field::Text3], !story.hexMode);
    const std::optional<Field> field = Form1Description::fieldOf(*window.focus);
    EXPECT_EQ(field && window.wholeTextSelected[*field] ? window.readText(*field) : U"",
              story.selected);
}

INSTANTIATE_TEST_SUITE_P(SharedStories, SharedStory, testing::ValuesIn(hexconv::userStories()),
                         [](const auto& info) { return std::string(info.param.name); });

// The window opens once: shown again, it keeps its mode and its focus.
TEST(Opening, FocusesTheFirstOptionWhichSelectsCharacterModeOnlyTheFirstTime) {
    RecordingWindow window;
    window.form.opened();
    EXPECT_EQ(window.log,
              (Log{"focus Option1", "background Text1 80000009", "locked Text1 off",
                   "tab stop Text1 on", "focus Text1", "select all Text1",
                   "background Text3 8000000F", "locked Text3 on", "tab stop Text3 off"}));
    window.select(Option::Option3);
    window.log.clear();
    window.form.opened();
    EXPECT_EQ(window.log, Log{});
    // A platform that tells of no focus at the start: the option is selected all the same.
    struct Unfocused : RecordingWindow {
        void giveFocus(Control control, hexconv::FocusMove) override { focus = control; }
    } unfocused;
    unfocused.form.opened();
    EXPECT_EQ(unfocused.selected, Option::Option1);
    EXPECT_EQ(unfocused.focusName(), "Text1");
}

// The note names the field's first character, after every write and every edit, and the code
// page on a line of its own; the empty field names the code page alone.
TEST(CharacterNote, NamesTheFirstCharacterAndTheCodePage) {
    RecordingWindow window(*hexconv::CodePage::withNumber(1251));
    window.form.opened();
    EXPECT_EQ(window.note, "Code page: Windows-1251 (Cyrillic)");
    window.play({Kind::Type, "", U"AB"});
    EXPECT_EQ(window.note, "U+0041 LATIN CAPITAL LETTER A\nCode page: Windows-1251 (Cyrillic)");
    window.play({Kind::Click, "Option3"});
    window.play({Kind::Type, "", U"a0"});
    window.play({Kind::Click, "Command1"});
    EXPECT_EQ(window.note, "U+00A0\nCode page: Windows-1251 (Cyrillic)");
    window.type(Field::Text1, U"\n");
    window.form.edited(Field::Text3);
    EXPECT_EQ(window.note, "U+00A0\nCode page: Windows-1251 (Cyrillic)");
    window.form.edited(Field::Text1);
    EXPECT_EQ(window.note, "U+000A LINE FEED\nCode page: Windows-1251 (Cyrillic)");
}

// The backgrounds are references into the scheme: a new scheme sets each field's again, and the
// platform asks for them as it paints.
TEST(Backgrounds, AreKeptAndSetAgainForANewScheme) {
    RecordingWindow window;
    EXPECT_EQ(window.form.backgroundOf(Field::Text1), std::nullopt);
    window.form.schemeChanged();
    EXPECT_EQ(window.log, Log{});
    window.select(Option::Option3);
    window.log.clear();
    window.form.schemeChanged();
    EXPECT_EQ(window.log, (Log{"background Text1 8000000F", "background Text3 80000009"}));
    EXPECT_EQ(window.form.backgroundOf(Field::Text3), Form1::ActiveBackground);
    EXPECT_EQ(window.form.backgroundOf(Field::Text2), std::nullopt);
}

// Only the selected mode's own field counts for the guard, and an empty one stops Calculate
// before anything is written.
TEST(CalculateGuard, AnEmptyInputFieldOfTheSelectedModeWritesNothing) {
    RecordingWindow window;
    window.select(Option::Option1);
    window.type(Field::Text3, U"41");
    window.log.clear();
    window.form.Command1_Click();
    EXPECT_EQ(window.log, Log{});
    window.select(Option::Option3);
    window.type(Field::Text1, U"A");
    window.type(Field::Text3, U"");
    window.log.clear();
    window.form.Command1_Click();
    EXPECT_EQ(window.log, Log{});
    EXPECT_TRUE(window.reports.empty());
}

// The hex field's length counts characters, so one emoji gets its leading "0" like one digit.
TEST(CalculateGuard, TheHexLengthCountsCodePoints) {
    RecordingWindow window;
    window.select(Option::Option3);
    window.type(Field::Text3, U"\U0001F600");
    window.form.Command1_Click();
    EXPECT_EQ(window.readText(Field::Text3), U"0\U0001F600");
    EXPECT_EQ(window.reports, Log{"\"\U0001F600\"" + notAHexDigit});
}

// Field by field, character field first: background, locked, tab stop, and the focus on the
// mode's own field right after its tab stop, with its text selected.
TEST(SelectionHandlers, SetEachFieldInTheirOrderAndFocusTheModesField) {
    RecordingWindow window;
    window.select(Option::Option1);
    EXPECT_EQ(window.log, (Log{"background Text1 80000009", "locked Text1 off", "tab stop Text1 on",
                               "focus Text1", "select all Text1", "background Text3 8000000F",
                               "locked Text3 on", "tab stop Text3 off"}));
    window.log.clear();
    window.select(Option::Option3);
    EXPECT_EQ(window.log, (Log{"background Text1 8000000F", "locked Text1 on", "tab stop Text1 off",
                               "background Text3 80000009", "locked Text3 off", "tab stop Text3 on",
                               "focus Text3", "select all Text3"}));
}

// The two characters that a failure offers instead, in every code page, convert to their byte and
// back.
TEST(CalculateExamples, TheCharactersThatAFailureOffersConvertBothWays) {
    for (const unsigned number : hexconv::CodePage::numbers()) {
        RecordingWindow window(*hexconv::CodePage::withNumber(number));
        window.select(Option::Option1);
        window.type(Field::Text1, U"\U0001F600");
        window.form.Command1_Click();
        ASSERT_EQ(window.reports.size(), 1U) << number;
        // "... such as "X" or "Y"."
        const std::string offered = window.reports[0];
        const std::size_t first = offered.find("such as \"");
        const std::size_t second = offered.find("\" or \"", first);
        const std::size_t end = offered.rfind("\".");
        ASSERT_TRUE(first != std::string::npos && second != std::string::npos && end > second)
            << offered;
        for (const std::u32string& example :
             {fromUtf8(offered.substr(first + 9, second - first - 9)),
              fromUtf8(offered.substr(second + 6, end - second - 6))}) {
            window.select(Option::Option1);
            window.type(Field::Text1, example);
            window.form.Command1_Click();
            window.select(Option::Option3);
            window.form.Command1_Click();
            EXPECT_EQ(window.readText(Field::Text1), example) << number << " " << offered;
            EXPECT_EQ(window.reports.size(), 1U) << window.reports.back();
        }
    }
}

// The window's lists hold each member once: every control and field has a slot of its own and
// a name of its own, the tab order visits each control once, a front end keeps each field once.
TEST(Form1Lists, HoldEachMemberOnce) {
    std::set<std::size_t> slots;
    std::set<std::string> names;
    for (const Control control : Form1::TabOrder) {
        slots.insert(Form1Description::slotOf(control));
        names.insert(Form1Description::of(control).name);
    }
    EXPECT_EQ(slots.size(), Form1::TabOrder.size());
    for (const Field field : hexconv::Form1Controls<int>::Fields) {
        slots.insert(Form1Description::slotOf(field));
        names.insert(Form1Description::of(field).name);
    }
    EXPECT_EQ(slots.size(), Form1Description::Slots);
    EXPECT_EQ(names.size(), Form1Description::Slots);
}

TEST(CopyHandlers, ClearThenSetTheWholeTextOfTheirField) {
    RecordingWindow window;
    window.type(Field::Text1, U"Hello");
    window.type(Field::Text3, U"");
    window.form.Command2_Click();
    EXPECT_EQ(window.clipboard, U"Hello");
    window.form.Command3_Click();
    EXPECT_EQ(window.clipboard, U"");
    EXPECT_EQ(window.log,
              (Log{"clear clipboard", "clipboard \"Hello\"", "clear clipboard", "clipboard \"\""}));
}

// Events that wait during a yield run inside the handler that yields.
TEST(Reentrancy, ASwitchToHexModeDuringTheCharacterChainRunsTheHexChainToo) {
    RecordingWindow window;
    window.select(Option::Option1);
    window.type(Field::Text1, U"Hello");
    window.atYield[1] = [&window] { window.select(Option::Option3); };
    window.form.Command1_Click();
    // The hex chain ran on the "48" just written and replaced the character field.
    EXPECT_EQ(window.readText(Field::Text3), U"48");
    EXPECT_EQ(window.readText(Field::Text2), U"72");
    EXPECT_EQ(window.readText(Field::Text4), U"01001000");
    EXPECT_EQ(window.readText(Field::Text1), U"H");
}

TEST(Reentrancy, ANestedCalculateRunsToItsEndInsideTheFirst) {
    RecordingWindow window;
    window.select(Option::Option1);
    window.type(Field::Text1, U"A");
    window.atYield[1] = [&window] {
        window.type(Field::Text1, U"B");
        window.form.Command1_Click();
    };
    window.form.Command1_Click();
    // The nested run wrote "66" and its bits; the outer one then finished with its own "65".
    EXPECT_EQ(window.readText(Field::Text2), U"66");
    EXPECT_EQ(window.readText(Field::Text4), U"01000001");
    EXPECT_EQ(window.readText(Field::Text3), U"41");
}

TEST(Reentrancy, ANestedFailureIsReportedAndTheOuterRunGoesOn) {
    RecordingWindow window;
    window.select(Option::Option1);
    window.type(Field::Text1, U"A");
    window.type(Field::Text3, U"zz");
    window.atYield[1] = [&window] {
        window.select(Option::Option3);
        window.form.Command1_Click();
    };
    window.form.Command1_Click();
    EXPECT_EQ(window.reports, Log{"\"z\"" + notAHexDigit});
    // The outer run finished its character chain, then ran the hex chain on "41".
    EXPECT_EQ(window.readText(Field::Text3), U"41");
    EXPECT_EQ(window.readText(Field::Text1), U"A");
}

// A close during a yield ends the handler there, and every handler nested in it: no control is
// touched again, and no handler runs after.
TEST(Reentrancy, AClosePassedAtAnyYieldEndsEveryHandlerThere) {
    for (const int nestedYield : {0, 1, 5}) {
        RecordingWindow window;
        window.select(Option::Option3);
        window.type(Field::Text3, U"41");
        if (nestedYield == 0) {
            window.atYield[3] = [&window] { window.close(); };
        } else {
            window.atYield[1] = [&window, nestedYield] {
                window.atYield[window.yields + nestedYield] = [&window] { window.close(); };
                window.form.Command1_Click();
            };
        }
        window.log.clear();
        window.form.Command1_Click();
        window.form.Command1_Click();
        window.form.Option1_Click();
        EXPECT_EQ(window.log, Log{}) << "nested at " << nestedYield;
        EXPECT_TRUE(window.reports.empty());
    }
}

// A failure goes to the host, then the caret goes back to the input field with its text
// selected; not after a close, and not while neither mode is selected.
TEST(FailureRouting, TheHostReportsThenTheInputFieldHasTheFocus) {
    RecordingWindow window;
    window.select(Option::Option3);
    window.type(Field::Text3, U"g");
    window.log.clear();
    window.form.Command1_Click();
    EXPECT_EQ(window.reports, Log{"\"g\"" + notAHexDigit});
    EXPECT_EQ(window.log,
              (Log{"replace Text3 \"0g\"", "report", "focus Text3", "select all Text3"}));

    window.log.clear();
    window.whileReporting = [&window] { window.close(); };
    window.form.Command1_Click();
    EXPECT_EQ(window.log, Log{"report"});
}

TEST(FailureRouting, WithNeitherModeSelectedNothingRunsAndAFailingCopyIsReported) {
    RecordingWindow window;
    window.type(Field::Text1, U"A");
    window.form.Command1_Click();
    EXPECT_EQ(window.log, Log{});
    struct Failing : RecordingWindow {
        void clearClipboard() override { throw std::runtime_error("the clipboard is held"); }
    } failing;
    failing.select(Option::Option1);
    failing.log.clear();
    failing.form.Command2_Click();
    EXPECT_EQ(failing.reports, Log{"the clipboard is held"});
    EXPECT_EQ(failing.log, (Log{"report", "focus Text1", "select all Text1"}));
}

struct TabCase {
    const char* name;
    std::optional<Option> selected;
    std::optional<Control> from;
    bool forward;
    std::optional<Control> to;
};

class TabRule : public testing::TestWithParam<TabCase> {};

TEST_P(TabRule, StartsRightFromOutsideTheOrderOrWithNeitherOptionSelected) {
    RecordingWindow window;
    if (GetParam().selected) {
        window.select(*GetParam().selected);
    }
    EXPECT_EQ(window.form.nextTabStop(GetParam().from, GetParam().forward), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TabRule,
    testing::Values(
        TabCase{"NoneSelectedStartsAtTheFirstOption", {}, {}, true, Control::Option1},
        TabCase{"NoneSelectedOption1ToText1", {}, Control::Option1, true, Control::Text1},
        TabCase{"NoneSelectedBackFromText1", {}, Control::Text1, false, Control::Option1},
        TabCase{"HexBackFromOutsideToTheLastCopy", Option::Option3, {}, false, Control::Command3}),
    [](const auto& info) { return std::string(info.param.name); });

// Written longer than the limit, a visible field is allowed the length first and gets the limit
// back after a short write, and the room again for the next long one; hidden fields have no limit
// to change. Lengths count UTF-16 units.
TEST(InputLimit, IsRaisedBeforeALongWriteRestoredAfterAShortOneAndRaisedAgain) {
    EXPECT_EQ(Form1::inputLimitOf(Field::Text1), 32767);
    EXPECT_EQ(Form1::inputLimitOf(Field::Text3), 32767);
    EXPECT_EQ(Form1::inputLimitOf(Field::Text2), std::numeric_limits<int>::max());
    EXPECT_EQ(Form1::inputLimitOf(Field::Text4), std::numeric_limits<int>::max());
    RecordingWindow window;
    window.select(Option::Option3);
    window.type(Field::Text3, std::u32string(32766, U'1') + U"\U0001F600");
    window.log.clear();
    window.form.Command1_Click();
    ASSERT_FALSE(window.log.empty());
    EXPECT_EQ(window.log.at(0), "limit Text3 32769");
    EXPECT_EQ(window.log.at(1).substr(0, 16), "replace Text3 \"0");
    window.select(Option::Option1);
    window.type(Field::Text1, U"A");
    window.log.clear();
    window.form.Command1_Click();
    EXPECT_EQ(window.log, (Log{"replace Text2 \"65\"", "replace Text4 \"01000001\"",
                               "replace Text3 \"41\"", "limit Text3 32767"}));
    EXPECT_EQ(window.limits.count(Field::Text2) + window.limits.count(Field::Text4), 0U);
    // Lowered once, the limit is raised again for the next long write.
    window.select(Option::Option3);
    window.type(Field::Text3, std::u32string(32767, U'2'));
    window.log.clear();
    window.form.Command1_Click();
    ASSERT_FALSE(window.log.empty());
    EXPECT_EQ(window.log.at(0), "limit Text3 32768");
}

} // namespace
