// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hexconv {

// One thing a user does: a click on a control (by its name), text typed where the focus is, or a
// key: Tab, Shift+Tab, an arrow, Space, Enter or Escape.
struct UserStep {
    enum class Kind { Click, Type, Tab, BackTab, Up, Down, Left, Right, Space, Enter, Escape };
    Kind kind;
    const char* control = "";
    std::u32string text = {};
};

inline UserStep click(const char* control) {
    return {UserStep::Kind::Click, control};
}
inline UserStep type(std::u32string text) {
    return {UserStep::Kind::Type, "", std::move(text)};
}
inline UserStep key(UserStep::Kind kind) {
    return {kind};
}

// What the user does from the moment the window opens, and where that leaves the window: one
// table of the window's rules for every front end, each playing the steps as its platform's own
// events. The locked field is always the one of the mode not selected.
struct UserStory {
    const char* name;
    std::vector<UserStep> steps;
    const char* focus; // the control with the focus afterwards
    bool hexMode;
    std::u32string character; // Text1
    std::u32string hex;       // Text3
    // What is selected in the field with the focus: the whole text or nothing.
    std::u32string selected = {};
    // Where given, the control with the focus after each step.
    std::vector<std::string> visited = {};
    // Where given, what the clipboard holds afterwards.
    std::optional<std::u32string> copied = {};
};

inline const std::vector<UserStory>& userStories() {
    using Kind = UserStep::Kind;
    // clang-format off
    static const std::vector<UserStory> stories = {
        {"OpensInCharacterMode", {}, "Text1", false, U"", U"", U""},
        {"HexModeTakesTheHexDigits", {click("Option3"), type(U"ff")}, "Text3", true, U"", U"ff"},
        {"SwitchingKeepsBothTextsAndSelectsTheFields",
         {type(U"Hello"), click("Option3"), type(U"4"), click("Option1")},
         "Text1", false, U"Hello", U"4", U"Hello"},
        {"TypingReplacesTheTextSelectedBySwitching",
         {click("Option3"), type(U"41"), click("Command1"), click("Option1"), click("Option3"),
          type(U"42"), click("Command1")},
         "Text3", true, U"B", U"42"},
        {"AClickOnTheSelectedOptionSelectsItsFieldAgain",
         {type(U"AB"), key(Kind::Tab), click("Option1")}, "Text1", false, U"AB", U"", U"AB"},
        {"ShiftTabBackIntoTheFieldSelectsItsText",
         {type(U"AB"), key(Kind::Tab), key(Kind::BackTab)}, "Text1", false, U"AB", U"", U"AB"},
        {"TabFromTheOptionSelectsTheFieldsText",
         {click("Option3"), type(U"41"), key(Kind::BackTab), key(Kind::Tab)},
         "Text3", true, U"", U"41", U"41"},
        {"TheButtonsLeaveTheCaretInTheCharacterField",
         {type(U"A"), click("Command1"), click("Command2"), click("Command3")},
         "Text1", false, U"A", U"41"},
        {"TheButtonsLeaveTheCaretInTheHexField",
         {click("Option3"), type(U"7e"), click("Command1"), click("Command3")},
         "Text3", true, U"~", U"7e"},
        {"TypingAfterTheLeadingZeroGoesOnAtTheEnd",
         {click("Option3"), type(U"4"), click("Command1"), type(U"1")},
         "Text3", true, U"\u0004", U"041"},
        {"TheLockedFieldRefusesTyping", {click("Text3"), type(U"ab")}, "Text3", false, U"", U""},
        {"AnArrowOnTheOptionSwitchesMode", {key(Kind::BackTab), key(Kind::Down)},
         "Text3", true, U"", U""},
        {"SpaceOnTheSelectedOptionSelectsItsFieldAgain",
         {type(U"AB"), key(Kind::BackTab), key(Kind::Space)}, "Text1", false, U"AB", U"", U"AB"},
        {"SpaceAndEnterPressTheFocusedButton",
         {type(U"A"), key(Kind::Tab), key(Kind::Space), key(Kind::Tab), key(Kind::Tab),
          key(Kind::Enter)},
         "Command3", false, U"A", U"41", U"", {}, U"41"},
        {"EnterPressesCalculate", {type(U"A"), key(Kind::Tab), key(Kind::Enter)},
         "Command1", false, U"A", U"41"},
        // Enter and Escape in a field press nothing, break no line and keep the window.
        {"EnterAndEscapeInAFieldPressNothing",
         {type(U"A"), key(Kind::Enter), key(Kind::Escape), click("Option3"), type(U"4"),
          key(Kind::Enter), key(Kind::Escape), type(U"1")},
         "Text3", true, U"A", U"41"},
        // Tab and Shift+Tab: the option group is one stop, the locked field none.
        {"TabCyclesInCharacterMode", {key(Kind::Tab), key(Kind::Tab), key(Kind::Tab),
                                      key(Kind::Tab), key(Kind::Tab), key(Kind::Tab)},
         "Command1", false, U"", U"", U"",
         {"Command1", "Command2", "Command3", "Option1", "Text1", "Command1"}},
        {"ShiftTabCyclesInCharacterMode", {key(Kind::BackTab), key(Kind::BackTab),
                                           key(Kind::BackTab), key(Kind::BackTab),
                                           key(Kind::BackTab), key(Kind::BackTab)},
         "Option1", false, U"", U"", U"",
         {"Option1", "Command3", "Command2", "Command1", "Text1", "Option1"}},
        {"TabCyclesInHexMode", {click("Option3"), key(Kind::Tab), key(Kind::Tab), key(Kind::Tab),
                                key(Kind::Tab), key(Kind::Tab), key(Kind::Tab)},
         "Command1", true, U"", U"", U"",
         {"Text3", "Command1", "Command2", "Command3", "Option3", "Text3", "Command1"}},
        {"ShiftTabCyclesInHexMode", {click("Option3"), key(Kind::BackTab), key(Kind::BackTab),
                                     key(Kind::BackTab), key(Kind::BackTab), key(Kind::BackTab),
                                     key(Kind::BackTab)},
         "Option3", true, U"", U"", U"",
         {"Text3", "Option3", "Command3", "Command2", "Command1", "Text3", "Option3"}},
        {"EveryArrowSwitchesMode",
         {key(Kind::BackTab), key(Kind::Up), key(Kind::BackTab), key(Kind::Left),
          key(Kind::BackTab), key(Kind::Right)},
         "Text3", true, U"", U""},
    };
    // clang-format on
    return stories;
}

} // namespace hexconv
