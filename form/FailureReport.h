// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace hexconv {

// The words a user reads for a failure, in the language spoken (UTF-8): what went wrong and the
// failure's short name, under the program's name as the title. The program's own failures carry
// their message and name; anything else is an unexpected failure, with its own words where it has
// some. Every front end shows a failure in these words.
class FailureReport {
public:
    explicit FailureReport(const std::exception_ptr& failure);
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
