// SPDX-License-Identifier: MIT
#include "FailureHost.h"

#include "Failure.h"
#include "FailureDialog.h"

namespace {

FailureHost::Reporter& reporter() {
    static FailureHost::Reporter current;
    return current;
}

} // namespace

void FailureHost::setReporter(Reporter replacement) {
    reporter() = std::move(replacement);
}

void FailureHost::report(QWidget* window, std::exception_ptr failure) {
    if (reporter()) {
        reporter()(window, failure);
        return;
    }
    FailureDialog dialog(window, messageOf(failure), nameOf(failure));
    dialog.exec();
}

QString FailureHost::messageOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("Something unexpected went wrong; the conversion was not finished.");
    }
}

QString FailureHost::nameOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const hexconv::Failure& error) {
        return QString::fromUtf8(error.name());
    } catch (...) {
        return QStringLiteral("Unexpected failure");
    }
}
