// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <string>
#include <vector>

// The program's words as the Windows API takes them: the user's preferred UI languages, for the
// shared choice of language, and each text in the language spoken, in UTF-16.
class Catalogue {
public:
    // Most wanted first ("de-DE"), as Windows gives them.
    static std::vector<std::string> userLanguages();
    static std::wstring text(const hexconv::MessageText& message,
                             const std::vector<hexconv::MessageArgument>& arguments = {});
};
