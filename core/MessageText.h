// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace hexconv {

// A text a user reads, as its English original with the placeholders %1 to %9 for what changes
// (a quoted text, a number), whole sentences so that a translation can order them its own way,
// and the context the translation catalogue files it under. Every one is written through
// HEXCONV_TRANSLATABLE, which the catalogue's tools look for. It keeps the words and fills them
// in English; a front end looks up their translation.
struct MessageText {
    const char* context;
    const char* english;

    // The pattern with each placeholder replaced by its argument, in one pass, so that an argument
    // holding "%2" stays as it is.
    static std::string fill(const std::string& pattern, const std::vector<std::string>& arguments);
};

} // namespace hexconv

// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): the catalogue's tools find texts by this name.
#define HEXCONV_TRANSLATABLE(context, english) (::hexconv::MessageText{context, english})
