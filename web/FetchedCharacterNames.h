// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

// Unicode's names of characters in the page: fetched once a character is first named, so that
// the program that every user downloads carries none; until they arrive a character has no name.
class FetchedCharacterNames {
public:
    // What to do once the names have arrived: name the characters again.
    static void whenArrived(std::function<void()> arrived);
    // The name ("NO-BREAK SPACE"), or empty: none yet, where the names are still to come (the
    // first call fetches them, and a call after a failed fetch fetches them again).
    static std::string nameOf(char32_t codePoint);
};
