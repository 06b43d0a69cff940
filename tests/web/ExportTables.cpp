// SPDX-License-Identifier: MIT
// Writes the shared tables of worked examples and user stories as JSON, for the
// browser test to drive the page through the same cases as every other front end's tests.
#include "CalculateExamples.h"
#include "UserStories.h"

#include <cstdio>
#include <string>

namespace {

// A JSON string of code points, each written as \u escapes (surrogate pairs beyond the BMP).
std::string json(const std::u32string& text) {
    std::string out = "\"";
    const auto escape = [&out](unsigned unit) {
        std::array<char, 8> hex{};
        std::snprintf(hex.data(), hex.size(), "\\u%04x", unit);
        out += hex.data();
    };
    for (const char32_t c : text) {
        if (c > 0xFFFF) {
            escape(0xD800 + ((c - 0x10000) >> 10U));
            escape(0xDC00 + ((c - 0x10000) & 0x3FFU));
        } else {
            escape(c);
        }
    }
    return out + "\"";
}

std::string json(const std::string& ascii) {
    return json(std::u32string(ascii.begin(), ascii.end()));
}

} // namespace

int main() {
    std::string out = "{\"examples\": [";
    for (const auto& example : hexconv::calculateExamples()) {
        out += "{\"name\": " + json(std::string(example.name)) +
               ", \"hexMode\": " + (example.hexMode ? "true" : "false") +
               ", \"input\": " + json(example.input) + ", \"fields\": [";
        for (const auto& field : example.fields) {
            out += json(field) + (&field == &example.fields.back() ? "]" : ", ");
        }
        out += ", \"report\": " + json(example.report) +
               ", \"codePage\": " + std::to_string(example.codePage) + "},";
    }
    out.back() = ']';
    out += ", \"stories\": [";
    constexpr std::array<const char*, 11> kinds = {"Click", "Type",  "Tab",   "BackTab",
                                                   "Up",    "Down",  "Left",  "Right",
                                                   "Space", "Enter", "Escape"};
    for (const auto& story : hexconv::userStories()) {
        out += "{\"name\": " + json(std::string(story.name)) + ", \"steps\": [";
        for (const auto& step : story.steps) {
            out +=
                "{\"kind\": " + json(std::string(kinds.at(static_cast<std::size_t>(step.kind)))) +
                ", \"control\": " + json(std::string(step.control)) +
                ", \"text\": " + json(step.text) + "},";
        }
        if (!story.steps.empty()) {
            out.pop_back();
        }
        out += "], \"focus\": " + json(std::string(story.focus)) +
               ", \"hexMode\": " + (story.hexMode ? "true" : "false") +
               ", \"character\": " + json(story.character) + ", \"hex\": " + json(story.hex) +
               ", \"selected\": " + json(story.selected) + ", \"visited\": [";
        for (const auto& stop : story.visited) {
            out += json(stop) + (&stop == &story.visited.back() ? "" : ", ");
        }
        out += "], \"copied\": " + (story.copied ? json(*story.copied) : "null") + "},";
    }
    out.back() = ']';
    std::puts((out + "}").c_str());
}
