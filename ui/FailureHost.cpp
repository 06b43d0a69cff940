// SPDX-License-Identifier: MIT
#include "FailureHost.h"

#include "Failure.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace {

FailureHost::Reporter& reporter() {
    static FailureHost::Reporter current;
    return current;
}

// A window manager draws the title with its own font, beside an icon and its buttons; a message
// box sized only to its text cuts "Hex Converter" short. This much room keeps it whole.
int widthForTitle(const QMessageBox& box) {
    constexpr int titleBarExtras = 160; // icon and three title-bar buttons, with margins
    return QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 3 / 2 + titleBarExtras;
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
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Hex Converter"), messageOf(failure),
                    QMessageBox::Ok, window);
    box.setInformativeText(nameOf(failure));
    box.setWindowModality(Qt::WindowModal);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(box), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
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
