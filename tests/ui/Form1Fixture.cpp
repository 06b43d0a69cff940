// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include "FailureReport.h"

#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

void Form1Fixture::SetUp() {
    FailureHost::setReporter([this](QWidget*, std::exception_ptr failure) {
        reports.push_back(QString::fromStdString(hexconv::FailureReport(failure).message()));
    });
    form = std::make_unique<Form1Window>(codePage);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void Form1Fixture::TearDown() {
    form.reset();
    reportUnexpectedFailures();
}

void Form1Fixture::reportUnexpectedFailures() {
    FailureHost::setReporter([](QWidget*, std::exception_ptr failure) {
        ADD_FAILURE() << "unexpected failure report: " << hexconv::FailureReport(failure).message();
    });
}

QString Form1Fixture::focusName() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("(none)");
}

void Form1Fixture::key(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

void Form1Fixture::type(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void Form1Fixture::click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

// Queued as a window system queues them, so that they wait for the event loop as a user's input
// does, not posted straight to the widget.
void Form1Fixture::postClick(QWidget* control) {
    QWindow* window = control->window()->windowHandle();
    const QPointF at = control->mapTo(control->window(), QRectF(control->rect()).center());
    for (const auto& [buttons, type] :
         {std::pair{Qt::MouseButtons(Qt::LeftButton), QEvent::MouseButtonPress},
          std::pair{Qt::MouseButtons(), QEvent::MouseButtonRelease}}) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, at, window->mapToGlobal(at), buttons, Qt::LeftButton, type);
    }
}

void Form1Fixture::postKey(QWidget* control, int key, const QString& text) {
    QWindow* window = control->window()->windowHandle();
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, type, key, Qt::NoModifier, text);
    }
}
