// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include "FailureReport.h"

#include <QKeyEvent>
#include <QMouseEvent>

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

void Form1Fixture::postClick(QWidget* control) {
    const QPointF centre = QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(centre);
    QCoreApplication::postEvent(control,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(control,
                                new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

void Form1Fixture::postKey(QWidget* control, int key, const QString& text) {
    QCoreApplication::postEvent(control,
                                new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(control,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}
