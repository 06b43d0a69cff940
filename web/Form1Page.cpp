// SPDX-License-Identifier: MIT
#include "Form1Page.h"

#include "CharacterDescription.h"
#include "ClipboardUnavailable.h"
#include "FailureReport.h"
#include "Form1Description.h"
#include "MessageText.h"
#include "TextColour.h"
#include "Translations.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <string>

using emscripten::val;
using hexconv::Control;
using hexconv::Field;
using hexconv::Option;
using hexconv::SystemColour;

namespace {

using Description = hexconv::Form1Description;

// What the page's listeners report, with the control, option or direction they concern.
enum class PageEvent {
    Click,
    OptionFocused,
    OptionChanged,
    CharacterTyped,
    Tab,
    DialogClosed,
    ClipboardRefused,
    ColoursChanged
};

// The page's listeners, which report each event by its number in PageEvent, with the control
// (Command1 is Control 4) or option (by Option) or direction (1 forward) that it concerns.
// clang-format off
EM_JS(void, listenToThePage, (), {
    const report = (event, which) => _hexconvPageEvent(event, which);
    const byId = (id) => document.getElementById(id);
    ["Command1", "Command2", "Command3"].forEach((id, i) => {
        byId(id).addEventListener("click", () => report(0, 4 + i));
        // A click leaves the caret where the user types; Tab still reaches the button.
        byId(id).addEventListener("mousedown", (e) => e.preventDefault());
    });
    ["Option1", "Option3"].forEach((id, i) => {
        byId(id).addEventListener("focus", () => report(1, i));
        byId(id).addEventListener("change", () => report(2, i));
        // A click on the option already selected changes nothing, so the browser reports no
        // change; it still runs the handler, which puts the caret back into the field.
        byId(id).addEventListener("click", (e) => { if (e.detail > 0) report(2, i); });
    });
    byId("Text1").addEventListener("input", () => report(3, 0));
    ["Text1", "Text3"].forEach((id) => byId(id).addEventListener("beforeinput", (e) => {
        if (e.inputType === "insertLineBreak") e.preventDefault();
    }));
    document.addEventListener("keydown", (e) => {
        if (e.key === "Tab" && !e.altKey && !e.ctrlKey && !e.metaKey &&
            report(4, e.shiftKey ? 0 : 1)) {
            e.preventDefault();
        }
    });
    byId("failure").addEventListener("close", () => report(5, 0));
    byId("failure-ok").addEventListener("click", () => byId("failure").close());
    ["(prefers-color-scheme: dark)", "(forced-colors: active)", "(prefers-contrast: more)"]
        .forEach((query) => matchMedia(query).addEventListener("change", () => report(7, 0)));
});

// The browser's clipboard answers later: a refusal arrives as an event of its own. The text
// comes as code points.
EM_JS(int, writeClipboard, (const char32_t* text, std::size_t length), {
    if (!navigator.clipboard) {
        return 0;
    }
    let written = "";
    for (let i = text >> 2; i < (text >> 2) + length; ++i) {
        written += String.fromCodePoint(HEAPU32[i]);
    }
    navigator.clipboard.writeText(written).catch(() => _hexconvPageEvent(6, 0)); // refused
    return 1;
});
// clang-format on

std::wstring wide(const std::u32string& text) {
    return {text.begin(), text.end()};
}

std::u32string fromWide(const std::wstring& text) {
    return {text.begin(), text.end()};
}

val text(const hexconv::MessageText& message) {
    return val(hexconv::Translations::text(message));
}

std::string cssPixels(int twips) {
    // CSS pixels are 96 to the inch, as the layout's pixels are.
    constexpr int cssDotsPerInch = 96;
    return std::to_string(Description::pixels(twips, cssDotsPerInch)) + "px";
}

void place(const val& element, const Description::Twips& at) {
    val style = element["style"];
    style.set("left", cssPixels(at.left));
    style.set("top", cssPixels(at.top));
    style.set("width", cssPixels(at.width));
    style.set("height", cssPixels(at.height));
}

// The CSS system colour that plays the part of each Win32 system colour index 0 to 24.
constexpr std::array<const char*, 25> cssSystemColours = {
    "ButtonFace",    // 0 scroll bar
    "GrayText",      // 1 desktop
    "Highlight",     // 2 active title bar
    "GrayText",      // 3 inactive title bar
    "ButtonFace",    // 4 menu
    "Field",         // 5 window background
    "ButtonBorder",  // 6 window frame
    "ButtonText",    // 7 menu text
    "FieldText",     // 8 window text
    "HighlightText", // 9 active title bar text
    "ButtonFace",    // 10 active border
    "ButtonFace",    // 11 inactive border
    "GrayText",      // 12 application workspace
    "Highlight",     // 13 selection
    "HighlightText", // 14 selected text
    "ButtonFace",    // 15 button face
    "GrayText",      // 16 button shadow
    "GrayText",      // 17 grey text
    "ButtonText",    // 18 button text
    "ButtonText",    // 19 inactive title bar text
    "Canvas",        // 20 button highlight
    "ButtonBorder",  // 21 3D dark shadow
    "ButtonFace",    // 22 3D light
    "CanvasText",    // 23 tooltip text
    "Canvas",        // 24 tooltip background
};

std::string cssColour(std::uint32_t rgb) {
    return "rgb(" + std::to_string(rgb & 0xFFU) + ", " + std::to_string((rgb >> 8U) & 0xFFU) +
           ", " + std::to_string((rgb >> 16U) & 0xFFU) + ")";
}

std::string cssColour(SystemColour colour) {
    if (!colour.isSystemReference()) {
        return cssColour(colour.reference());
    }
    const auto index = static_cast<std::size_t>(colour.index());
    return index < cssSystemColours.size() ? cssSystemColours.at(index) : "ButtonFace";
}

// A colour as the browser resolved it ("rgb(239, 239, 239)"), as 0x00BBGGRR.
std::uint32_t resolved(const val& element, const char* property) {
    const auto css =
        val::global("window").call<val>("getComputedStyle", element)[property].as<std::string>();
    unsigned red = 0;
    unsigned green = 0;
    unsigned blue = 0;
    std::sscanf(css.c_str(), "rgb%*[a(]%u, %u, %u", &red, &green, &blue);
    return red | green << 8U | blue << 16U;
}

// The one page, which the listeners' events reach.
Form1Page*& listening() {
    // NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): set by the page
    static Form1Page* page = nullptr;
    return page;
}

} // namespace

// The listeners hand every event to the one page, synchronously: a key that the page takes for
// itself (Tab) is kept from the browser when it answers true.
extern "C" EMSCRIPTEN_KEEPALIVE int hexconvPageEvent(int event, int which) {
    Form1Page* page = listening();
    if (page == nullptr) {
        return 0;
    }
    switch (static_cast<PageEvent>(event)) {
    case PageEvent::Click:
        page->clicked(static_cast<Control>(which));
        break;
    case PageEvent::OptionFocused:
        page->optionFocused(static_cast<Option>(which));
        break;
    case PageEvent::OptionChanged:
        page->optionChanged(static_cast<Option>(which));
        break;
    case PageEvent::CharacterTyped:
        page->characterTyped();
        break;
    case PageEvent::Tab:
        return page->tabPressed(which != 0) ? 1 : 0;
    case PageEvent::DialogClosed:
        page->dialogClosed();
        break;
    case PageEvent::ClipboardRefused:
        page->clipboardRefused();
        break;
    case PageEvent::ColoursChanged:
        page->coloursChanged();
        break;
    }
    return 0;
}

Form1Page::Form1Page(hexconv::CodePage codePage)
    : document_(val::global("document")), description_(val::undefined()), dialog_(val::undefined()),
      dialogMessage_(val::undefined()), dialogName_(val::undefined()), form_(*this, codePage) {
    listening() = this;
    document_.set("title", Description::Title);
    const std::string language(hexconv::Translations::language());
    document_["documentElement"].set("lang", language.empty() ? "en" : language);
    val window = document_.call<val>("createElement", val("main"));
    window.set("id", "Form1");
    place(window, Description::ClientArea);
    val style = window["style"];
    style.set("fontFamily",
              std::string(Description::WindowFont.face) + ", Verdana, \"DejaVu Sans\", sans-serif");
    style.set("fontSize",
              "calc(" + std::to_string(Description::WindowFont.centipoints) + "pt / 100)");
    style.set("fontWeight", Description::WindowFont.weight);

    // Created in Form1's tab order, so that the browser's own order agrees with Form1's; the
    // hidden fields last.
    for (std::size_t slot = 0; slot < Description::Slots; ++slot) {
        const Description::Item& item = Description::of(slot);
        val control = val::undefined();
        val placed = val::undefined();
        switch (item.kind) {
        case Description::Kind::OptionButton: {
            // The caption is the option's label, which a screen reader speaks as its name.
            placed = document_.call<val>("createElement", val("label"));
            control = document_.call<val>("createElement", val("input"));
            control.set("type", "radio");
            control.set("name", "mode");
            placed.call<void>("append", control, text(*item.caption));
            break;
        }
        case Description::Kind::TextBox:
            // A text area of one line: an input would drop a line feed that the program writes
            // (the character of code 10). Enter inserts none.
            control = document_.call<val>("createElement", val("textarea"));
            control.set("rows", 1);
            control.set("wrap", "off");
            control.call<void>("setAttribute", val("aria-multiline"), val("false"));
            control.set("spellcheck", false);
            control.call<void>("setAttribute", val("autocapitalize"), val("off"));
            placed = control;
            break;
        case Description::Kind::PushButton:
            control = document_.call<val>("createElement", val("button"));
            control.set("type", "button");
            control.set("textContent", text(*item.caption));
            placed = control;
            break;
        }
        control.set("id", item.name);
        if (item.accessibleName) {
            control.call<void>("setAttribute", val("aria-label"), text(*item.accessibleName));
        }
        place(placed, item.place);
        window.call<void>("append", placed);
        controls_[slot] = Element(control);
    }
    for (const Field field : hexconv::Form1Controls<Element>::Fields) {
        element(field).set("maxLength", hexconv::Form1::inputLimitOf(field));
        if (Description::isHidden(field)) {
            // The conversions' working storage: never drawn, out of reach of every key and of
            // screen readers.
            element(field).set("hidden", true);
        }
    }
    // A control character or a no-break space draws as nothing: say which character it is.
    description_ = document_.call<val>("createElement", val("span"));
    description_.set("id", "Text1-description");
    description_.set("hidden", true);
    window.call<void>("append", description_);
    element(Field::Text1)
        .call<void>("setAttribute", val("aria-describedby"), val("Text1-description"));
    document_["body"].call<void>("append", window);
    buildDialog();
    describeCharacterField();
    listenToThePage();

    // The first control in tab order takes the focus, and focus arriving selects it: the page
    // opens in character mode.
    element(Control::Option1).call<void>("focus");
    if (!isSelected(Option::Option1)) {
        optionFocused(Option::Option1);
    }
}

void Form1Page::buildDialog() {
    const auto create = [this](const char* tag, const char* id) {
        val made = document_.call<val>("createElement", val(tag));
        made.set("id", id);
        return made;
    };
    dialog_ = create("dialog", "failure");
    dialog_.call<void>("setAttribute", val("aria-labelledby"), val("failure-title"));
    dialog_.call<void>("setAttribute", val("aria-describedby"), val("failure-message"));
    val title = create("h1", "failure-title");
    title.set("textContent", hexconv::FailureReport::title());
    dialogMessage_ = create("p", "failure-message");
    dialogName_ = create("p", "failure-name");
    val ok = create("button", "failure-ok");
    ok.set("type", "button");
    ok.set("textContent", text(HEXCONV_TRANSLATABLE("FailureDialog", "OK")));
    dialog_.call<void>("append", title, dialogMessage_, dialogName_, ok);
    document_["body"].call<void>("append", dialog_);
}

std::u32string Form1Page::readText(Field field) const {
    return fromWide(element(field)["value"].as<std::wstring>());
}

void Form1Page::replaceText(Field field, const std::u32string& text) {
    val control = element(field);
    control.set("value", wide(text));
    const val end = control["value"]["length"];
    control.call<void>("setSelectionRange", end, end);
    if (field == Field::Text1) {
        describeCharacterField();
    }
}

void Form1Page::setBackgroundColour(Field field, SystemColour colour) {
    backgrounds_.at(static_cast<std::size_t>(field)) = colour;
    applyBackground(field);
}

void Form1Page::setLocked(Field field, bool locked) {
    element(field).set("readOnly", locked);
}

void Form1Page::setTabStop(Field field, bool tabStop) {
    element(field).set("tabIndex", tabStop ? 0 : -1);
}

void Form1Page::giveFocus(Field field) {
    if (dialog_["open"].as<bool>()) {
        focusAfterDialog_ = field;
        return;
    }
    element(field).call<void>("focus");
}

void Form1Page::selectWholeText(Field field) {
    element(field).call<void>("select");
}

bool Form1Page::isSelected(Option option) const {
    return element(option)["checked"].as<bool>();
}

// A browser runs one listener at a time and delivers no event while one runs: there is nothing
// waiting that a yield could handle, so the conversions run through without one.
void Form1Page::eventYield() {}

void Form1Page::setInputLimit(Field field, int limit) {
    element(field).set("maxLength", limit);
}

std::u32string Form1Page::firstCharacter(const std::u32string& text) const {
    val options = val::object();
    options.set("granularity", "grapheme");
    const val segmenter = val::global("Intl")["Segmenter"].new_(val::undefined(), options);
    const val first = segmenter.call<val>("segment", wide(text)).call<val>("containing", 0);
    return fromWide(first["segment"].call<val>("normalize", val("NFC")).as<std::wstring>());
}

// Writing replaces whatever the clipboard holds, in every format: the write clears it.
void Form1Page::clearClipboard() {}

void Form1Page::setClipboardText(const std::u32string& text) {
    if (writeClipboard(text.data(), text.size()) == 0) {
        throw hexconv::ClipboardUnavailable::refusedTheText();
    }
}

void Form1Page::reportFailure(const std::exception_ptr& failure) {
    const hexconv::FailureReport report(failure);
    dialogMessage_.set("textContent", report.message());
    dialogName_.set("textContent", report.name());
    if (!dialog_["open"].as<bool>()) {
        dialog_.call<void>("showModal");
    }
}

void Form1Page::fail(const std::exception_ptr& failure) {
    form_.failed(failure);
}

void Form1Page::clicked(Control control) {
    switch (control) {
    case Control::Command1:
        form_.Command1_Click();
        break;
    case Control::Command2:
        form_.Command2_Click();
        break;
    case Control::Command3:
        form_.Command3_Click();
        break;
    default:
        break;
    }
}

// Focus arriving on an option that is not selected selects it, as the arrow keys and Tab bring
// it there.
void Form1Page::optionFocused(Option option) {
    if (!isSelected(option)) {
        element(option).set("checked", true);
        optionChanged(option);
    }
}

void Form1Page::optionChanged(Option option) {
    if (!isSelected(option)) {
        return;
    }
    if (option == Option::Option1) {
        form_.Option1_Click();
    } else {
        form_.Option3_Click();
    }
}

void Form1Page::characterTyped() {
    describeCharacterField();
}

bool Form1Page::tabPressed(bool forward) {
    if (dialog_["open"].as<bool>()) {
        return false; // the dialog keeps the keys
    }
    const std::optional<Control> current = controls_.controlOf(Element(document_["activeElement"]));
    const std::optional<Control> stop = form_.nextTabStop(current, forward);
    if (!stop) {
        return false;
    }
    element(*stop).call<void>("focus");
    if (const std::optional<Field> field = controls_.fieldOf(controls_[*stop])) {
        selectWholeText(*field);
    }
    return true;
}

void Form1Page::dialogClosed() {
    if (const std::optional<Field> field = focusAfterDialog_) {
        focusAfterDialog_.reset();
        giveFocus(*field);
        selectWholeText(*field);
    }
}

void Form1Page::clipboardRefused() {
    form_.failed(std::make_exception_ptr(hexconv::ClipboardUnavailable::refusedTheText()));
}

void Form1Page::coloursChanged() {
    for (const Field field : hexconv::Form1Controls<Element>::Fields) {
        applyBackground(field);
    }
}

val Form1Page::element(Option option) const {
    return element(option == Option::Option1 ? Control::Option1 : Control::Option3);
}

void Form1Page::describeCharacterField() {
    // The browser has no Unicode names: each code point is given by its number.
    const auto note = hexconv::CharacterDescription::note(
        hexconv::CharacterDescription::describe(readText(Field::Text1).empty()
                                                    ? std::u32string()
                                                    : firstCharacter(readText(Field::Text1)),
                                                [](char32_t) { return std::string(); }),
        form_.codePage());
    const std::string description = hexconv::Translations::text(note.text, note.arguments);
    description_.set("textContent", description);
    element(Field::Text1).set("title", description);
}

void Form1Page::applyBackground(Field field) {
    const std::optional<SystemColour> colour = backgrounds_.at(static_cast<std::size_t>(field));
    if (!colour) {
        return;
    }
    val control = element(field);
    control["style"].set("backgroundColor", cssColour(*colour));
    control["style"].set("color", "FieldText");
    const std::uint32_t schemeText = resolved(control, "color");
    const std::uint32_t chosen =
        hexconv::TextColour::readableOn(resolved(control, "backgroundColor"), schemeText);
    if (chosen != schemeText) {
        control["style"].set("color", cssColour(chosen));
    }
}
