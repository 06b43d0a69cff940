// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string>

namespace hexconv {

// The words a user reads for a failure that no handler trapped, in UTF-8: what went wrong, and
// the failure's short name. The program's own failures carry both; anything else is reported as
// an unexpected failure. It words failures; it shows nothing.
class FailureReport {
public:
    static std::string messageOf(const std::exception_ptr& failure);
    static std::string nameOf(const std::exception_ptr& failure);
};

} // namespace hexconv
