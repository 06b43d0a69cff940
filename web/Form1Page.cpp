// SPDX-License-Identifier: MIT
#include "Form1Page.h"

#include "ClipboardUnavailable.h"
#include "CssColours.h"
#include "FetchedCharacterNames.h"
#include "Form1Description.h"
#include "PageListener.h"
#include "Translations.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

using emscripten::val;
using hexconv::Control;
using hexconv::Field;
using hexconv::Option;
using hexconv::SystemColour;

namespace {

using Description = hexconv::Form1Description;

// The browser's clipboard answers later: a refusal comes back as an event on the target given.
// The text comes as code points.
// clang-format off
EM_JS(int, writeClipboard, (const char32_t* text, std::size_t length, emscripten::EM_VAL refused), {
    if (!navigator.clipboard) {
        return 0;
    }
    let written = "";
    for (let i = text >> 2; i < (text >> 2) + length; ++i) {
        written += String.fromCodePoint(HEAPU32[i]);
    }
    navigator.clipboard.writeText(written).catch(() => Emval.toValue(refused).dispatchEvent(
        new Event("clipboard-refused")));
    return 1;
});
// A text area turns a carriage return into a line feed, in what it shows and in its value: the
// field keeps the text that the program wrote, a lone carriage return (byte 0d) included, for as
// long as the user leaves what the browser made of it alone.
EM_JS(void, keepExactText, (emscripten::EM_VAL field), {
    const native = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, "value");
    const [carriageReturn, lineFeed] = [String.fromCharCode(13), String.fromCharCode(10)];
    let written = "";
    Object.defineProperty(Emval.toValue(field), "value", {
        configurable: true,
        get() {
            const shown = native.get.call(this);
            const asShown = written.replaceAll(carriageReturn + lineFeed, lineFeed)
                                .replaceAll(carriageReturn, lineFeed);
            return shown === asShown ? written : shown;
        },
        set(text) {
            written = String(text);
            native.set.call(this, written);
        },
    });
});
// clang-format on

std::wstring wide(const std::u32string& text) {
    return {text.begin(), text.end()};
}

std::u32string fromWide(const std::wstring& text) {
    return {text.begin(), text.end()};
}

} // namespace

Form1Page::Form1Page(hexconv::CodePage codePage)
    : document_(val::global("document")),
      description_(document_.call<val>("getElementById", val("Text1-description"))),
      failureBox_(document_, [this] { dialogClosed(); }), form_(*this, codePage) {
    document_.set("title", Description::Title);
    document_["documentElement"].set("lang", hexconv::Translations::languageTag());
    // The manifest in the same language, for a browser that installs the page as an app.
    if (const std::string_view language = hexconv::Translations::language(); !language.empty()) {
        document_.call<val>("querySelector", val("link[rel=manifest]"))
            .set("href", "manifest-" + std::string(language) + ".webmanifest");
    }
    // A language written from right to left mirrors the page, as the desktop mirrors the window.
    document_["documentElement"].set("dir", hexconv::Translations::rightToLeft() ? "rtl" : "ltr");
    adopt();
    listen();
    // The browser has no names of characters: they come with the page's files once a character
    // is first named, and then the note names it.
    FetchedCharacterNames::whenArrived([this] { form_.edited(Field::Text1); });
    open();
}

// The window that the page was written with, in English: its elements are the controls, with
// their captions and names in the user's language.
void Form1Page::adopt() {
    const auto say = [](val element, const char* property, const std::string& text) {
        if (element[property].as<std::string>() != text) {
            element.set(property, text);
        }
    };
    for (std::size_t slot = 0; slot < Description::Slots; ++slot) {
        const Description::Item& item = Description::of(slot);
        const val control = document_.call<val>("getElementById", val(item.name));
        if (item.caption) {
            // An option's caption follows its radio button in its label.
            say(item.kind == Description::Kind::OptionButton ? control["parentElement"]["lastChild"]
                                                             : control,
                "textContent", hexconv::Translations::text(*item.caption));
        }
        if (item.accessibleName) {
            say(control, "ariaLabel", hexconv::Translations::text(*item.accessibleName));
        }
        if (item.kind == Description::Kind::TextBox) {
            keepExactText(control.as_handle());
        }
        controls_[slot] = Element(control);
    }
    followTextDirection(Field::Text1); // typed before the program started
}

// A field reads in the page's direction while empty, then in its text's own (the browser's
// "auto"); the hex digits always from left to right, as the page was written.
void Form1Page::followTextDirection(Field field) {
    if (Description::of(field).leftToRight) {
        return;
    }
    val control = element(field);
    if (control["value"]["length"].as<int>() == 0) {
        control.call<void>("removeAttribute", val("dir"));
    } else {
        control.call<void>("setAttribute", val("dir"), val("auto"));
    }
}

// The window opens as on the desktop, from neither mode selected; what the user did before the
// program started is kept: the text typed, the control with the focus and its selection, and hex
// mode if chosen.
void Form1Page::open() {
    const val active = document_["activeElement"];
    const std::optional<Control> focused = controls_.controlOf(Element(active));
    const val start = active["selectionStart"];
    const val end = active["selectionEnd"];
    const bool hexChosen = isSelected(Option::Option3);
    for (const Option option : {Option::Option1, Option::Option3}) {
        element(Description::controlOf(option)).set("checked", false);
    }
    form_.opened();
    if (hexChosen) {
        form_.clicked(Control::Option3);
    } else if (focused) {
        active.call<void>("focus");
        if (!start.isNull() && !start.isUndefined()) {
            active.call<void>("setSelectionRange", start, end);
        }
    }
}

void Form1Page::listen() {
    for (const Control control : hexconv::Form1::TabOrder) {
        const val target = element(control);
        switch (Description::of(control).kind) {
        case Description::Kind::PushButton:
            PageListener::listen(target, "click", [this, control] { form_.clicked(control); });
            // A click leaves the caret where the user types; Tab still reaches the button.
            PageListener::listen(target, "mousedown", [](const val&) { return true; });
            break;
        case Description::Kind::OptionButton:
            // A click, Space, or the arrow key that brought the focus.
            PageListener::listen(target, "click", [this, control] { form_.clicked(control); });
            PageListener::listen(target, "focus", [this, control] { form_.focusArrived(control); });
            // Space on the option already selected is a click, as on the desktop, which the
            // browser leaves out.
            PageListener::listen(target, "keyup", [this, control](const val& event) {
                if (event["key"].as<std::string>() == " " &&
                    isSelected(*Description::optionOf(control))) {
                    form_.clicked(control);
                }
                return false;
            });
            break;
        case Description::Kind::TextBox: {
            const Field field = *Description::fieldOf(control);
            PageListener::listen(target, "input", [this, field] {
                followTextDirection(field);
                form_.edited(field);
            });
            // Enter inserts no line break.
            PageListener::listen(target, "beforeinput", [](const val& event) {
                return event["inputType"].as<std::string>() == "insertLineBreak";
            });
            break;
        }
        }
    }
    PageListener::listen(document_, "keydown", [this](const val& event) {
        if (event["key"].as<std::string>() != "Tab" || event["altKey"].as<bool>() ||
            event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>() || failureBox_.isOpen()) {
            return false; // the failure box keeps the keys
        }
        return form_.tabPressed(controls_.controlOf(Element(document_["activeElement"])),
                                !event["shiftKey"].as<bool>());
    });
    PageListener::listen(document_, "clipboard-refused", [this] {
        form_.failed(std::make_exception_ptr(hexconv::ClipboardUnavailable::refusedTheText()));
    });
    for (const char* query :
         {"(prefers-color-scheme: dark)", "(forced-colors: active)", "(prefers-contrast: more)"}) {
        PageListener::listen(val::global("window").call<val>("matchMedia", val(query)), "change",
                             [this] { form_.schemeChanged(); });
    }
}

std::u32string Form1Page::readText(Field field) const {
    return fromWide(element(field)["value"].as<std::wstring>());
}

void Form1Page::replaceText(Field field, const std::u32string& text) {
    val control = element(field);
    control.set("value", wide(text));
    const val end = control["value"]["length"];
    control.call<void>("setSelectionRange", end, end);
    followTextDirection(field);
}

void Form1Page::setBackgroundColour(Field field, SystemColour colour) {
    CssColours::paint(element(field), colour);
}

void Form1Page::setLocked(Field field, bool locked) {
    element(field).set("readOnly", locked);
}

void Form1Page::setTabStop(Field field, bool tabStop) {
    element(field).set("tabIndex", tabStop ? 0 : -1);
}

void Form1Page::giveFocus(Control control, hexconv::FocusMove /*move*/) {
    if (failureBox_.isOpen()) {
        focusAfterDialog_ = control;
        return;
    }
    element(control).call<void>("focus");
}

void Form1Page::selectWholeText(Field field) {
    element(field).call<void>("select");
}

bool Form1Page::isSelected(Option option) const {
    return element(Description::controlOf(option))["checked"].as<bool>();
}

void Form1Page::selectOption(Option option) {
    element(Description::controlOf(option)).set("checked", true);
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

std::string Form1Page::unicodeName(char32_t codePoint) const {
    return FetchedCharacterNames::nameOf(codePoint);
}

void Form1Page::setCharacterNote(const std::string& note) {
    description_.set("textContent", note);
    element(Field::Text1).set("title", note);
}

// Writing replaces whatever the clipboard holds, in every format: the write clears it.
void Form1Page::clearClipboard() {}

void Form1Page::setClipboardText(const std::u32string& text) {
    if (writeClipboard(text.data(), text.size(), document_.as_handle()) == 0) {
        throw hexconv::ClipboardUnavailable::refusedTheText();
    }
}

void Form1Page::reportFailure(const std::exception_ptr& failure) {
    failureBox_.show(failure);
}

void Form1Page::fail(const std::exception_ptr& failure) {
    form_.failed(failure);
}

void Form1Page::dialogClosed() {
    if (const std::optional<Control> control = focusAfterDialog_) {
        focusAfterDialog_.reset();
        giveFocus(*control, hexconv::FocusMove::Program);
        if (const std::optional<Field> field = Description::fieldOf(*control)) {
            selectWholeText(*field);
        }
    }
}
