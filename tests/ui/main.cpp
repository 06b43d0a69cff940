// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests run headless and never block on a dialog: a failure report that a test did not
// ask for is itself a test failure.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#ifdef HEXCONV_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", HEXCONV_SCALE_FACTOR);
#endif
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Form1Fixture::reportUnexpectedFailures();
    return RUN_ALL_TESTS();
}
