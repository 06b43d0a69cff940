// SPDX-License-Identifier: MIT
#include "FailureReport.h"

#include "Failure.h"
#include "Translations.h"

namespace hexconv {

FailureReport::FailureReport(const std::exception_ptr& failure)
    : name_(Translations::text(HEXCONV_TRANSLATABLE("Failure", "Unexpected failure"))) {
    try {
        std::rethrow_exception(failure);
    } catch (const Failure& error) {
        message_ = error.text() ? Translations::text(*error.text(), error.arguments())
                                : std::string(error.what());
        name_ = Translations::text({"Failure", error.name()});
    } catch (const std::exception& error) {
        // Not the program's own: its words are English only.
        message_ = error.what();
    } catch (...) {
        message_ = Translations::text(HEXCONV_TRANSLATABLE(
            "Failure", "Something unexpected went wrong; the conversion was not finished."));
    }
}

} // namespace hexconv
