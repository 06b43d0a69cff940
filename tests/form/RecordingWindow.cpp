// SPDX-License-Identifier: MIT
#include "RecordingWindow.h"

#include "Form1Description.h"
#include "TestNames.h"

#include <cstdio>

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
    selected = option;
    option == Option::Option1 ? form.Option1_Click() : form.Option3_Click();
}

std::u32string RecordingWindow::readText(Field field) const {
    const auto found = texts.find(field);
    return found != texts.end() ? found->second : std::u32string();
}

void RecordingWindow::replaceText(Field field, const std::u32string& text) {
    texts[field] = text;
    log.push_back("replace " + nameOf(field) + " \"" + printable(text) + "\"");
}

void RecordingWindow::setBackgroundColour(Field field, SystemColour colour) {
    log.push_back("background " + nameOf(field) + " " + hex(colour));
}

void RecordingWindow::setLocked(Field field, bool locked) {
    log.push_back("locked " + nameOf(field) + (locked ? " on" : " off"));
}

void RecordingWindow::setTabStop(Field field, bool tabStop) {
    log.push_back("tab stop " + nameOf(field) + (tabStop ? " on" : " off"));
}

void RecordingWindow::giveFocus(Field field) {
    focus = field;
    log.push_back("focus " + nameOf(field));
}

void RecordingWindow::selectWholeText(Field field) {
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
