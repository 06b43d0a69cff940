// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace hexconv {

struct MessageArgument;

// A text a user reads, as its English original with the placeholders %1 to %9 for what changes
// (a quoted text, a number), whole sentences so that a translation can order them its own way,
// and the context the translation catalogue files it under. Every one is written through
// HEXCONV_TRANSLATABLE, which the catalogue's tools look for; Translations gives its words in the
// language spoken.
struct MessageText {
    const char* context;
    const char* english;

    // The pattern with each placeholder replaced by its argument, in one pass, so that an argument
    // holding "%2" stays as it is.
    static std::string fill(const std::string& pattern, const std::vector<std::string>& arguments);
    // The text in a language: its pattern, and the patterns of its arguments, as patternOf gives
    // them in that language (UTF-8), then filled.
    static std::string compose(const MessageText& text,
                               const std::vector<MessageArgument>& arguments,
                               const std::function<std::string(const MessageText&)>& patternOf);
};

// What fills one placeholder of a message: a text as it is (a number, code points), or texts set
// in a pattern of their own that is translated with the message, such as the quotation marks
// around what the user typed, which each language writes its own way.
struct MessageArgument {
    // NOLINTNEXTLINE(google-explicit-constructor): a plain text is the usual argument.
    MessageArgument(std::string text) : parts{std::move(text)} {}
    MessageArgument(MessageText pattern, std::vector<std::string> parts)
        : pattern(pattern), parts(std::move(parts)) {}

    // The argument as English shows it.
    std::string english() const;

    std::optional<MessageText> pattern;
    std::vector<std::string> parts;
};

} // namespace hexconv

// NOLINTNEXTLINE(cppcoreguidelines-macro-usage): the catalogue's tools find texts by this name.
#define HEXCONV_TRANSLATABLE(context, english) (::hexconv::MessageText{context, english})
