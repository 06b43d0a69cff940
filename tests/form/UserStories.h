// SPDX-License-Identifier: MIT
#pragma once

#include "TableFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace hexconv {

// One thing a user does: a click on a control (by its name), text typed where the focus is, or a
// key: Tab, Shift+Tab, an arrow, Space, Enter or Escape.
struct UserStep {
    enum class Kind { Click, Type, Tab, BackTab, Up, Down, Left, Right, Space, Enter, Escape };
    Kind kind;
    std::string control = {};
    std::u32string text = {};
};

// What the user does from the moment the window opens and where that leaves the window, as every
// front end's tests play it (tests/data/user-stories.tsv says what each column holds).
struct UserStory {
    std::string name;
    std::vector<UserStep> steps;
    std::string focus;
    bool hexMode;
    std::u32string character; // Text1
    std::u32string hex;       // Text3
    std::u32string selected;
    std::vector<std::string> visited;     // where given
    std::optional<std::u32string> copied; // where given
};

inline const std::vector<UserStory>& userStories() {
    static const std::vector<UserStory> stories = [] {
        static constexpr std::array<const char*, 11> keys = {"click", "type",  "tab",   "backtab",
                                                             "up",    "down",  "left",  "right",
                                                             "space", "enter", "escape"};
        const auto words = [](const std::u32string& cell) {
            std::vector<std::u32string> split(1);
            for (const char32_t c : cell) {
                if (c == U' ') {
                    split.emplace_back();
                } else {
                    split.back() += c;
                }
            }
            split.erase(std::remove(split.begin(), split.end(), U""), split.end());
            return split;
        };
        std::vector<UserStory> read;
        for (std::vector<std::u32string> row : tableRows("user-stories.tsv")) {
            row.resize(9);
            UserStory story{asciiOf(row[0]),  {},     asciiOf(row[2]),
                            row[3] == U"hex", row[4], row[5],
                            row[6],           {},     {}};
            for (const std::u32string& word : words(row[1])) {
                const std::size_t colon = std::min(word.find(U':'), word.size());
                const auto* kind =
                    std::find(keys.begin(), keys.end(), asciiOf(word.substr(0, colon)));
                if (kind == keys.end()) {
                    throw std::runtime_error("no step " + asciiOf(word) + " in " + story.name);
                }
                const std::u32string after = colon < word.size() ? word.substr(colon + 1) : U"";
                story.steps.push_back({static_cast<UserStep::Kind>(kind - keys.begin()),
                                       kind == keys.begin() ? asciiOf(after) : "", after});
            }
            for (const std::u32string& stop : words(row[7])) {
                story.visited.push_back(asciiOf(stop));
            }
            if (!row[8].empty()) {
                story.copied = row[8];
            }
            read.push_back(story);
        }
        return read;
    }();
    return stories;
}

} // namespace hexconv
