// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace hexconv {

// Where Tab and Shift+Tab take the focus from the mode's field, one table for every front end:
// the controls' names in the order visited.
struct TabCycle {
    const char* name;
    bool hexMode;
    bool backwards;
    std::vector<std::string> stops;
};

inline const std::vector<TabCycle>& tabCycles() {
    static const std::vector<TabCycle> cycles = {
        {"CharacterForward",
         false,
         false,
         {"Command1", "Command2", "Command3", "Option1", "Text1", "Command1"}},
        {"CharacterBackward",
         false,
         true,
         {"Option1", "Command3", "Command2", "Command1", "Text1", "Option1"}},
        {"HexForward",
         true,
         false,
         {"Command1", "Command2", "Command3", "Option3", "Text3", "Command1"}},
        {"HexBackward",
         true,
         true,
         {"Option3", "Command3", "Command2", "Command1", "Text3", "Option3"}},
    };
    return cycles;
}

} // namespace hexconv
