// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"
#include "WindowOperations.h"

#include <array>
#include <cstddef>
#include <optional>

namespace hexconv {

// What the converter window is, written once for every front end: its title, client area and
// font, and for each control its kind, name, caption, accessible name, place in twips and whether
// it starts as a tab stop. Plain data: a front end creates its own controls from it and scales
// twips to its own pixels. It says nothing about behaviour (that is Form1) nor about how a
// platform draws.
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

    struct Item {
        Kind kind = Kind::TextBox;
        const char* name = "";
        // None for the fields.
        std::optional<MessageText> caption;
        // What a screen reader calls the control where its caption alone says too little
        // ("Copy") or it has none; otherwise its caption.
        std::optional<MessageText> accessibleName;
        Twips place{};
        bool tabStop = false;
        bool visible = false;
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

    // The visible controls in the order of hexconv::Control, which is also the tab order.
    static constexpr std::array<Item, 7> Controls = {{
        {Kind::OptionButton,
         "Option1",
         HEXCONV_TRANSLATABLE("Form1", "ASCII"),
         std::nullopt,
         {120, 960, 1575, 495},
         true,
         true},
        {Kind::OptionButton,
         "Option3",
         HEXCONV_TRANSLATABLE("Form1", "Hex Decimal"),
         std::nullopt,
         {120, 360, 1695, 495},
         true,
         true},
        {Kind::TextBox,
         "Text1",
         std::nullopt,
         HEXCONV_TRANSLATABLE("Form1", "Character"),
         {1800, 1080, 1215, 405},
         true,
         true},
        {Kind::TextBox,
         "Text3",
         std::nullopt,
         HEXCONV_TRANSLATABLE("Form1", "Hex digits"),
         {1800, 480, 1215, 375},
         true,
         true},
        {Kind::PushButton,
         "Command1",
         HEXCONV_TRANSLATABLE("Form1", "Calculate"),
         std::nullopt,
         {360, 1800, 3735, 375},
         true,
         true},
        {Kind::PushButton,
         "Command2",
         HEXCONV_TRANSLATABLE("Form1", "Copy"),
         HEXCONV_TRANSLATABLE("Form1", "Copy character"),
         {3120, 1080, 1215, 375},
         true,
         true},
        {Kind::PushButton,
         "Command3",
         HEXCONV_TRANSLATABLE("Form1", "Copy"),
         HEXCONV_TRANSLATABLE("Form1", "Copy hex digits"),
         {3120, 480, 1215, 375},
         true,
         true},
    }};

    // The decimal and binary fields, the conversions' working storage: beyond the right edge of
    // the client area, never shown and out of reach of every key.
    static constexpr std::array<Item, 2> HiddenFields = {{
        {Kind::TextBox, "Text2", std::nullopt, std::nullopt, {4800, 0, 1215, 375}, false, false},
        {Kind::TextBox, "Text4", std::nullopt, std::nullopt, {4800, 0, 1215, 375}, false, false},
    }};

    static constexpr const Item& of(hexconv::Control control) {
        return Controls.at(static_cast<std::size_t>(control));
    }

    static constexpr const Item& of(Field field) {
        switch (field) {
        case Field::Text1:
            return of(hexconv::Control::Text1);
        case Field::Text2:
            return HiddenFields.at(0);
        case Field::Text3:
            return of(hexconv::Control::Text3);
        case Field::Text4:
            return HiddenFields.at(1);
        }
        return HiddenFields.at(1);
    }

    // Twips as whole pixels at a resolution in dots per inch, rounded to the nearest.
    static constexpr int pixels(int twips, int dotsPerInch) {
        const long long scaled = static_cast<long long>(twips) * dotsPerInch;
        const long long half = TwipsPerInch / 2;
        return static_cast<int>(scaled >= 0 ? (scaled + half) / TwipsPerInch
                                            : (scaled - half) / TwipsPerInch);
    }
};

} // namespace hexconv
