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

void FailureHost::report(QWidget* window, std::exception_ptr failure) {
    if (reporter()) {
        reporter()(window, failure);
        return;
    }
    QMessageBox::critical(window, QStringLiteral("Hex Converter"), messageOf(failure));
}

QString FailureHost::messageOf(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("An unknown failure occurred");
    }
}
