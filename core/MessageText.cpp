// SPDX-License-Identifier: MIT
#include "MessageText.h"

namespace hexconv {

std::string MessageText::fill(const std::string& pattern,
                              const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < arguments.size()) {
            out += arguments[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string MessageText::compose(const MessageText& text,
                                 const std::vector<MessageArgument>& arguments,
                                 const std::function<std::string(const MessageText&)>& patternOf) {
    std::vector<std::string> filled;
    filled.reserve(arguments.size());
    for (const MessageArgument& argument : arguments) {
        filled.push_back(argument.pattern ? fill(patternOf(*argument.pattern), argument.parts)
                                          : argument.english());
    }
    return fill(patternOf(text), filled);
}

std::string MessageArgument::english() const {
    if (pattern) {
        return MessageText::fill(pattern->english, parts);
    }
    return parts.empty() ? std::string() : parts.front();
}

} // namespace hexconv
