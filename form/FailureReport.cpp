// SPDX-License-Identifier: MIT
#include "FailureReport.h"

#include "Failure.h"

#include <utility>

namespace hexconv {

namespace {

std::pair<std::string, std::string> described(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const Failure& error) {
        return {error.what(), error.name()};
    } catch (const std::exception& error) {
        return {error.what(), "Unexpected failure"};
    } catch (...) {
        return {"Something unexpected went wrong; the conversion was not finished.",
                "Unexpected failure"};
    }
}

} // namespace

std::string FailureReport::messageOf(const std::exception_ptr& failure) {
    return described(failure).first;
}

std::string FailureReport::nameOf(const std::exception_ptr& failure) {
    return described(failure).second;
}

} // namespace hexconv
