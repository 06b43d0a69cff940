// SPDX-License-Identifier: MIT
#include "RecordingWindow.h"

#include "Form1Description.h"
#include "TestNames.h"
#include "UserStories.h"

#include <cstdio>
#include <stdexcept>

namespace hexconv {

namespace {

std::string hex(SystemColour colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(colour.reference()));
    return text;
}

} // namespace

std::string nameOf(Field field) {
    return Form1Description::of(field).name;
}

void RecordingWindow::select(Option option) {
    form.clicked(Form1Description::controlOf(option));
}

void RecordingWindow::play(const UserStep& step) {
    const auto controlNamed = [](const std::string& name) {
        for (const Control control : Form1::TabOrder) {
            if (Form1Description::of(control).name == name) {
                return control;
            }
        }
        throw std::invalid_argument(name);
    };
    const std::optional<Field> field = focus ? Form1Description::fieldOf(*focus) : std::nullopt;
    switch (step.kind) {
    case UserStep::Kind::Click: {
        const Control control = controlNamed(step.control);
        if (!Form1Description::optionOf(control) && !Form1Description::fieldOf(control)) {
            form.clicked(control); // a button takes no focus from a click
            break;
        }
        giveFocus(control, FocusMove::Program);
        form.clicked(control);
        break;
    }
    case UserStep::Kind::Type:
        if (field && !locked[*field]) {
            texts[*field] = (wholeTextSelected[*field] ? U"" : readText(*field)) + step.text;
            wholeTextSelected[*field] = false;
            form.edited(*field);
        }
        break;
    case UserStep::Kind::Tab:
    case UserStep::Kind::BackTab:
        form.tabPressed(focus, step.kind == UserStep::Kind::Tab);
        break;
    case UserStep::Kind::Space:
    case UserStep::Kind::Enter:
        // Space presses an option or a button, Enter a button only.
        if (focus && !field &&
            (step.kind == UserStep::Kind::Space || !Form1Description::optionOf(*focus))) {
            form.clicked(*focus);
        }
        break;
    case UserStep::Kind::Escape:
        break;
    default: // an arrow
        if (focus && Form1Description::optionOf(*focus)) {
            giveFocus(*focus == Control::Option1 ? Control::Option3 : Control::Option1,
                      FocusMove::Program);
        }
        break;
    }
}

std::string RecordingWindow::focusName() const {
    return focus ? Form1Description::of(*focus).name : "(none)";
}

std::string RecordingWindow::unicodeName(char32_t codePoint) const {
    return codePoint == U'A' ? "LATIN CAPITAL LETTER A" : "";
}

std::u32string RecordingWindow::readText(Field field) const {
    const auto found = texts.find(field);
    return found != texts.end() ? found->second : std::u32string();
}

void RecordingWindow::replaceText(Field field, const std::u32string& text) {
    texts[field] = text;
    wholeTextSelected[field] = false;
    log.push_back("replace " + nameOf(field) + " \"" + printable(text) + "\"");
}

void RecordingWindow::setBackgroundColour(Field field, SystemColour colour) {
    log.push_back("background " + nameOf(field) + " " + hex(colour));
}

void RecordingWindow::setLocked(Field field, bool locked) {
    this->locked[field] = locked;
    log.push_back("locked " + nameOf(field) + (locked ? " on" : " off"));
}

void RecordingWindow::setTabStop(Field field, bool tabStop) {
    log.push_back("tab stop " + nameOf(field) + (tabStop ? " on" : " off"));
}

// The platform tells of the focus arriving, as every platform does.
void RecordingWindow::giveFocus(Control control, FocusMove move) {
    focus = control;
    log.push_back(std::string(move == FocusMove::Program ? "focus " : "tab to ") +
                  Form1Description::of(control).name);
    form.focusArrived(control);
}

void RecordingWindow::selectWholeText(Field field) {
    wholeTextSelected[field] = true;
    log.push_back("select all " + nameOf(field));
}

void RecordingWindow::eventYield() {
    const auto action = atYield.find(++yields);
    if (action != atYield.end()) {
        const std::function<void()> run = action->second;
        atYield.erase(action);
        run();
    }
}

void RecordingWindow::setInputLimit(Field field, int limit) {
    limits[field] = limit;
    log.push_back("limit " + nameOf(field) + " " + std::to_string(limit));
}

void RecordingWindow::clearClipboard() {
    clipboard.clear();
    log.push_back("clear clipboard");
}

void RecordingWindow::setClipboardText(const std::u32string& text) {
    clipboard = text;
    log.push_back("clipboard \"" + printable(text) + "\"");
}

void RecordingWindow::reportFailure(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        reports.emplace_back(error.what());
    } catch (...) {
        reports.emplace_back("(not a standard exception)");
    }
    log.push_back("report");
    if (whileReporting) {
        whileReporting();
    }
}

} // namespace hexconv
