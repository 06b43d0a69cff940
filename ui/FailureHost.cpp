// SPDX-License-Identifier: MIT
#include "FailureHost.h"

#include "Catalogue.h"
#include "FailureDialog.h"
#include "FailureReport.h"

#include <utility>

namespace {

FailureHost::Reporter& reporter() {
    static FailureHost::Reporter current;
    return current;
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
    const hexconv::FailureReport report(failure);
    return report.message() ? Catalogue::text(*report.message(), report.arguments())
                            : QString::fromStdString(report.englishMessage());
}

QString FailureHost::nameOf(const std::exception_ptr& failure) {
    return Catalogue::text(hexconv::FailureReport(failure).name());
}
