// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace hexconv {

// The words a user reads for a failure that no handler trapped, in the language spoken (UTF-8):
// what went wrong, the failure's short name, and the title of the box that shows them. The
// program's own failures carry their message and name; anything else is an unexpected failure,
// with its own words where it has some. Every front end shows these words and composes none.
class FailureReport {
public:
    explicit FailureReport(const std::exception_ptr& failure);

    // The program's name: the title is not translated.
    static std::string title();
    const std::string& message() const { return message_; }
    // "Type mismatch", shown under the message.
    const std::string& name() const { return name_; }
    // The message and the name in one text, a blank line between, as a box without a second
    // line of its own shows them and as Ctrl+C copies them.
    std::string text() const { return message_ + "\n\n" + name_; }

private:
    std::string message_;
    std::string name_;
};

} // namespace hexconv
