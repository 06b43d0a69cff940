#include "FailureHost.h"

#include <QMessageBox>

namespace {

FailureHost::Reporter& reporter() {
    static FailureHost::Reporter current;
    return current;
}

} // namespace

void FailureHost::setReporter(Reporter replacement) {
    reporter() = std::move(replacement);
}

void FailureHost::report(QWidget* window, const QString& message) {
    if (reporter()) {
        reporter()(window, message);
        return;
    }
    QMessageBox::critical(window, QStringLiteral("Hex Converter"), message);
}
