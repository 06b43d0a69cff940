// SPDX-License-Identifier: MIT
#include "FailureReport.h"

#include "Failure.h"

namespace hexconv {

namespace {

constexpr MessageText unexpected = HEXCONV_TRANSLATABLE("Failure", "Unexpected failure");

} // namespace

FailureReport::FailureReport(const std::exception_ptr& failure) : name_(unexpected) {
    try {
        std::rethrow_exception(failure);
    } catch (const Failure& error) {
        message_ = error.text();
        arguments_ = error.arguments();
        english_ = error.what();
        name_ = {"Failure", error.name()};
    } catch (const std::exception& error) {
        english_ = error.what();
    } catch (...) {
        message_ = HEXCONV_TRANSLATABLE(
            "Failure", "Something unexpected went wrong; the conversion was not finished.");
        english_ = message_->english;
    }
}

} // namespace hexconv
