// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"
#include "WindowOperations.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace hexconv {

// What the converter window is, written once for every front end: its title, client area and
// font, and for each control its kind, name, caption, accessible name and place in twips, with the
// one numbering by which every front end keeps its controls and the scale from twips to pixels.
// Each front end creates its own controls from it; how they behave is Form1's.
class Form1Description {
public:
    // A rectangle in twips (1/1440 inch), from the top-left corner of the client area.
    struct Twips {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    enum class Kind { OptionButton, TextBox, PushButton };

    // The visible controls are tab stops (the option group one stop); the hidden fields are
    // neither shown nor reached by any key. Every row names its kind and name: the rows, constants
    // of this class, could not use default member initializers.
    struct Item { // NOLINT(cppcoreguidelines-pro-type-member-init)
        Kind kind;
        const char* name;
        // None for the fields.
        std::optional<MessageText> caption;
        // What a screen reader calls the control where its caption alone says too little
        // ("Copy") or it has none; otherwise its caption.
        std::optional<MessageText> accessibleName;
        Twips place;
        // A field whose text reads from left to right whatever the language or the text (hex
        // digits); the other fields take the direction of the text they hold.
        bool leftToRight;
    };

    struct Font {
        const char* face = "";
        int centipoints = 0; // 825: 8.25 point
        int weight = 0;      // 700: bold
    };

    static constexpr int TwipsPerInch = 1440;
    // The program's name: the title is not translated.
    static constexpr const char* Title = "Hex Converter";
    static constexpr Twips ClientArea = {0, 0, 4515, 2370};
    static constexpr Font WindowFont = {"Tahoma", 825, 700};

// GCC before 14 warns of every member that a designated initializer leaves to its default.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
    // The visible controls in the order of hexconv::Control, which is also the tab order.
    static constexpr std::array<Item, 7> Controls = {{
        {.kind = Kind::OptionButton,
         .name = "Option1",
         .caption = HEXCONV_TRANSLATABLE("Form1", "ASCII"),
         .place = {120, 960, 1575, 495}},
        {.kind = Kind::OptionButton,
         .name = "Option3",
         .caption = HEXCONV_TRANSLATABLE("Form1", "Hex Decimal"),
         .place = {120, 360, 1695, 495}},
        {.kind = Kind::TextBox,
         .name = "Text1",
         .accessibleName = HEXCONV_TRANSLATABLE("Form1", "Character"),
         .place = {1800, 1080, 1215, 405}},
        {.kind = Kind::TextBox,
         .name = "Text3",
         .accessibleName = HEXCONV_TRANSLATABLE("Form1", "Hex digits"),
         .place = {1800, 480, 1215, 375},
         .leftToRight = true},
        {.kind = Kind::PushButton,
         .name = "Command1",
         .caption = HEXCONV_TRANSLATABLE("Form1", "Calculate"),
         .place = {360, 1800, 3735, 375}},
        {.kind = Kind::PushButton,
         .name = "Command2",
         .caption = HEXCONV_TRANSLATABLE("Form1", "Copy"),
         .accessibleName = HEXCONV_TRANSLATABLE("Form1", "Copy character"),
         .place = {3120, 1080, 1215, 375}},
        {.kind = Kind::PushButton,
         .name = "Command3",
         .caption = HEXCONV_TRANSLATABLE("Form1", "Copy"),
         .accessibleName = HEXCONV_TRANSLATABLE("Form1", "Copy hex digits"),
         .place = {3120, 480, 1215, 375}},
    }};

    // The decimal and binary fields, the conversions' working storage: beyond the right edge of
    // the client area, never shown and out of reach of every key.
    static constexpr std::array<Item, 2> HiddenFields = {{
        {.kind = Kind::TextBox, .name = "Text2", .place = {4800, 0, 1215, 375}},
        {.kind = Kind::TextBox, .name = "Text4", .place = {4800, 0, 1215, 375}},
    }};
#pragma GCC diagnostic pop

    // Every control in one numbering, the visible ones in the order of hexconv::Control and the
    // hidden fields after them: a front end keeps its own controls by these slots
    // (Form1Controls), so that a field and its control are one and the same.
    static constexpr std::size_t Slots = Controls.size() + HiddenFields.size();

    static constexpr std::size_t slotOf(hexconv::Control control) {
        return static_cast<std::size_t>(control);
    }

    static constexpr std::size_t slotOf(Field field) {
        switch (field) {
        case Field::Text1:
            return slotOf(hexconv::Control::Text1);
        case Field::Text2:
            return Controls.size();
        case Field::Text3:
            return slotOf(hexconv::Control::Text3);
        case Field::Text4:
            return Controls.size() + 1;
        }
        return Slots;
    }

    static constexpr const Item& of(std::size_t slot) {
        return slot < Controls.size() ? Controls.at(slot) : HiddenFields.at(slot - Controls.size());
    }

    template <typename ControlOrField> static constexpr const Item& of(ControlOrField which) {
        return of(slotOf(which));
    }

    // Whether a field is one of the hidden ones.
    static constexpr bool isHidden(Field field) {
        return slotOf(field) >= Controls.size();
    }

    // The control of an option, and of a visible field; none for a hidden field.
    static constexpr hexconv::Control controlOf(Option option) {
        return option == Option::Option1 ? hexconv::Control::Option1 : hexconv::Control::Option3;
    }

    static constexpr std::optional<hexconv::Control> controlOf(Field field) {
        return isHidden(field) ? std::nullopt
                               : std::optional(static_cast<hexconv::Control>(slotOf(field)));
    }

    // The option or the field that a control is, if it is one.
    static constexpr std::optional<Option> optionOf(hexconv::Control control) {
        return control == hexconv::Control::Option1   ? std::optional(Option::Option1)
               : control == hexconv::Control::Option3 ? std::optional(Option::Option3)
                                                      : std::nullopt;
    }

    static constexpr std::optional<Field> fieldOf(hexconv::Control control) {
        return control == hexconv::Control::Text1   ? std::optional(Field::Text1)
               : control == hexconv::Control::Text3 ? std::optional(Field::Text3)
                                                    : std::nullopt;
    }

    // Twips as whole pixels at a resolution in dots per inch, rounded to the nearest.
    static constexpr int pixels(int twips, int dotsPerInch) {
        const long long scaled = static_cast<long long>(twips) * dotsPerInch;
        const long long half = TwipsPerInch / 2;
        return static_cast<int>(scaled >= 0 ? (scaled + half) / TwipsPerInch
                                            : (scaled - half) / TwipsPerInch);
    }

    // A rectangle in twips as whole pixels, each of its four numbers rounded on its own.
    struct Pixels {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    static constexpr Pixels pixels(const Twips& at, int dotsPerInch) {
        return {pixels(at.left, dotsPerInch), pixels(at.top, dotsPerInch),
                pixels(at.width, dotsPerInch), pixels(at.height, dotsPerInch)};
    }
};

// The rows follow hexconv::Control, and every control and field finds the row of its own name.
static_assert([] {
    constexpr std::array<std::pair<Control, std::string_view>, 7> controls = {{
        {Control::Option1, "Option1"},
        {Control::Option3, "Option3"},
        {Control::Text1, "Text1"},
        {Control::Text3, "Text3"},
        {Control::Command1, "Command1"},
        {Control::Command2, "Command2"},
        {Control::Command3, "Command3"},
    }};
    constexpr std::array<std::pair<Field, std::string_view>, 4> fields = {{
        {Field::Text1, "Text1"},
        {Field::Text2, "Text2"},
        {Field::Text3, "Text3"},
        {Field::Text4, "Text4"},
    }};
    const auto named = [](const auto& row) {
        return Form1Description::of(row.first).name == row.second;
    };
    return std::all_of(controls.begin(), controls.end(), named) &&
           std::all_of(fields.begin(), fields.end(), named);
}());

} // namespace hexconv
