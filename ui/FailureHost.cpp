// SPDX-License-Identifier: MIT
#include "FailureHost.h"

#include "Failure.h"
#include "FailureDialog.h"

#include <utility>

namespace {

FailureHost::Reporter& reporter() {
    static FailureHost::Reporter current;
    return current;
}

// The message and the name of a failure: the program's own failures carry both; anything else
// is reported as unexpected.
std::pair<QString, QString> described(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const hexconv::Failure& error) {
        return {QString::fromUtf8(error.what()), QString::fromUtf8(error.name())};
    } catch (const std::exception& error) {
        return {QString::fromUtf8(error.what()), QStringLiteral("Unexpected failure")};
    } catch (...) {
        return {QStringLiteral("Something unexpected went wrong; the conversion was not finished."),
                QStringLiteral("Unexpected failure")};
    }
}

} // namespace

void FailureHost::setReporter(Reporter replacement) {
    reporter() = std::move(replacement);
}

void FailureHost::report(QWidget* window, const std::exception_ptr& failure) {
    if (reporter()) {
        reporter()(window, failure);
        return;
    }
    FailureDialog dialog(window, messageOf(failure), nameOf(failure));
    dialog.exec();
}

QString FailureHost::messageOf(const std::exception_ptr& failure) {
    return described(failure).first;
}

QString FailureHost::nameOf(const std::exception_ptr& failure) {
    return described(failure).second;
}
