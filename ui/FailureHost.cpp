// SPDX-License-Identifier: MIT
#include "FailureHost.h"

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
    FailureDialog dialog(window, hexconv::FailureReport(failure));
    dialog.exec();
}
