// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include "FailureReport.h"

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
