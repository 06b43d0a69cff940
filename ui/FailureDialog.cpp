// SPDX-License-Identifier: MIT
#include "FailureDialog.h"

#include "FailureReport.h"
#include "Form1Description.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSpacerItem>

namespace {

// A window manager draws the title with its own font, beside an icon and its buttons; a message
// box sized only to its text cuts "Hex Converter" short. This much room keeps it whole.
int widthForTitle(const QMessageBox& box) {
    constexpr int titleBarExtras = 160; // icon and three title-bar buttons, with margins
    return QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) * 3 / 2 + titleBarExtras;
}

} // namespace

FailureDialog::FailureDialog(QWidget* window, const hexconv::FailureReport& report)
    : QMessageBox(QMessageBox::Critical, QString::fromUtf8(hexconv::Form1Description::Title),
                  QString::fromStdString(report.message()), QMessageBox::Ok, window),
      copied_(QString::fromStdString(report.text())) {
    setInformativeText(QString::fromStdString(report.name()));
    setWindowModality(Qt::WindowModal);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(*this), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void FailureDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(copied_);
        return;
    }
    QMessageBox::keyPressEvent(event);
}

// The box takes its final size only as it is shown, after Qt has placed it by its earlier size:
// centre it again before it reaches the screen, frame on frame. The window manager has not
// framed the box yet; it frames it as it frames the window.
void FailureDialog::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    QWidget* window = parentWidget();
    if (window == nullptr) {
        return;
    }
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    QRect framed(QPoint(), size().grownBy(frame));
    framed.moveCenter(outer.center());
    // Not framed yet, the box is placed by its inside, where the inside of its frame will be.
    move(framed.topLeft() + QPoint(frame.left(), frame.top()));
}
