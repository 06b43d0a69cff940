// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace hexconv {

// The words a user reads for a failure that no handler trapped: what went wrong, as a
// translatable text and its arguments, and the failure's short name. The program's own failures
// carry both; anything else is reported as an unexpected failure.
class FailureReport {
public:
    explicit FailureReport(const std::exception_ptr& failure);

    // None where the message has no translation: a failure that is not the program's own.
    const std::optional<MessageText>& message() const { return message_; }
    const std::vector<MessageArgument>& arguments() const { return arguments_; }
    // The message filled in English (UTF-8).
    const std::string& englishMessage() const { return english_; }
    const MessageText& name() const { return name_; }

private:
    std::optional<MessageText> message_;
    std::vector<MessageArgument> arguments_;
    std::string english_;
    MessageText name_;
};

} // namespace hexconv
