// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include "FailureReport.h"
#include "StressDriver.h"

#include "Failure.h"

#include <QEvent>

#include <cstdlib>

namespace {

// HEXCONV_STRESS_SEED and HEXCONV_STRESS_ACTIONS choose other runs for longer local sessions.
std::uint32_t seed(std::uint32_t fallback) {
    const char* chosen = std::getenv("HEXCONV_STRESS_SEED");
    return chosen != nullptr ? static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10))
                             : fallback;
}

int actions(int fallback) {
    const char* chosen = std::getenv("HEXCONV_STRESS_ACTIONS");
    return chosen != nullptr ? std::atoi(chosen) : fallback;
}

class StressRun : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        FailureHost::setReporter([this](QWidget*, std::exception_ptr failure) {
            ++failures;
            try {
                std::rethrow_exception(failure);
            } catch (const hexconv::Failure&) {
            } catch (...) {
                untyped.push_back(
                    QString::fromStdString(hexconv::FailureReport(failure).message()));
            }
        });
    }

    int failures = 0;
    std::vector<QString> untyped;
};

// Counts the times the window is shown again after the close.
struct AfterClose : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
    int shows = 0;
};

TEST_F(StressRun, TenThousandRandomActionsKeepTheWindowSound) {
    StressDriver driver(*form, seed(20261208), actions(10000));
    driver.run();
    EXPECT_EQ(driver.actionsRun(), actions(10000));
    EXPECT_GE(driver.deepestNesting(), 3);
    EXPECT_TRUE(driver.problems.empty()) << driver.problems.front();
    EXPECT_GT(failures, 0); // the stream does provoke failures, and every one was typed
    EXPECT_TRUE(untyped.empty()) << untyped.front().toStdString();
    EXPECT_TRUE(form->isVisible());
}

TEST_F(StressRun, ClosingDuringAYieldMidStreamEndsCleanly) {
    for (std::uint32_t run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        if (run > 0) {
            TearDown();
            SetUp();
        }
        AfterClose watch;
        StressDriver driver(*form, seed(7 + run), 4000);
        driver.closeFrom(500 + 700 * static_cast<int>(run));
        form->installEventFilter(&watch);
        driver.run();
        ASSERT_TRUE(driver.closed());
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(watch.shows, 0);
        // No handler touched a field after the close.
        EXPECT_EQ(driver.fieldTexts(), driver.textsAtClose());
        EXPECT_TRUE(driver.problems.empty()) << driver.problems.front();
        EXPECT_TRUE(untyped.empty());
    }
}

} // namespace
