// SPDX-License-Identifier: MIT
#include "Failure.h"
#include "Form1Description.h"
#include "RecordingWindow.h"
#include "UserStories.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

namespace {

using hexconv::UserStep;

// The hidden fields as a byte leaves them, or empty: its decimal number from 0 to 255 (written
// with no leading zero beyond two digits), and its eight binary digits.
bool holdsAByte(const std::u32string& decimal, const std::u32string& binary) {
    const auto digitsTo = [](const std::u32string& text, char32_t highest) {
        return std::all_of(text.begin(), text.end(),
                           [highest](char32_t c) { return c >= U'0' && c <= highest; });
    };
    const bool number = decimal.empty() || (decimal.size() <= 3 && digitsTo(decimal, U'9') &&
                                            std::stoi(hexconv::utf8Of(decimal)) <= 255 &&
                                            (decimal.size() < 3 || decimal[0] != U'0'));
    return number && (binary.empty() || (binary.size() == 8 && digitsTo(binary, U'1')));
}

// A user who does anything at all, at any moment: a seeded random stream of steps, each of which
// may come inside the event yield of the one before, so that handlers nest several deep. After
// every step the hidden fields must still hold a byte, and every failure must be the program's
// own.
struct RandomUser : hexconv::RecordingWindow {
    std::mt19937 random{20261211};
    int stepsLeft = 20000;
    int depth = 0;
    int deepest = 0;
    int closeAt = -1; // the step from which on a yield inside Calculate closes the window
    int calculating = 0;
    std::size_t logAtClose = 0;
    std::vector<std::string> problems;

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }

    UserStep randomStep() {
        static const std::u32string typed =
            U"0123456789abcdefABCDEFgxz .-+\u00e9\u20ac\u0416\u3042";
        const auto kind = static_cast<UserStep::Kind>(pick(11));
        if (kind == UserStep::Kind::Click) {
            return {kind, hexconv::Form1Description::of(hexconv::Form1::TabOrder.at(pick(7))).name};
        }
        std::u32string text(1 + pick(3), U'\0');
        for (char32_t& c : text) {
            c = pick(4) != 0 ? typed.at(pick(static_cast<int>(typed.size())))
                             : static_cast<char32_t>(pick(0x110000));
        }
        return {kind, "", text};
    }

    void act() {
        --stepsLeft;
        const UserStep step = randomStep();
        ++depth;
        deepest = std::max(deepest, depth);
        calculating += step.kind == UserStep::Kind::Click && step.control == "Command1";
        play(step);
        calculating -= step.kind == UserStep::Kind::Click && step.control == "Command1";
        --depth;
        if (!holdsAByte(readText(hexconv::Field::Text2), readText(hexconv::Field::Text4))) {
            problems.push_back(hexconv::printable(readText(hexconv::Field::Text2) + U" " +
                                                  readText(hexconv::Field::Text4)));
        }
    }

    // A closed window takes no more steps.
    void eventYield() override {
        if (logAtClose != 0) {
            return;
        }
        if (closeAt >= 0 && stepsLeft <= closeAt && calculating > 0 && logAtClose == 0) {
            logAtClose = log.size();
            close();
        } else if (stepsLeft > 0 && depth < 8 && pick(2) == 0) {
            act();
        }
    }

    void reportFailure(const std::exception_ptr& failure) override {
        try {
            std::rethrow_exception(failure);
        } catch (const hexconv::Failure&) {
        } catch (...) {
            problems.emplace_back("a failure not of the program's own kinds");
        }
        RecordingWindow::reportFailure(failure);
    }
};

TEST(RandomUser, TwentyThousandStepsAtAnyMomentKeepTheWindowSound) {
    RandomUser user;
    user.form.opened();
    while (user.stepsLeft > 0) {
        user.act();
    }
    EXPECT_GE(user.deepest, 4);
    EXPECT_GT(user.reports.size(), 100U);
    EXPECT_EQ(user.problems, std::vector<std::string>{});
}

// Closed in the middle of the stream, inside a Calculate: nothing is touched after.
TEST(RandomUser, ACloseInsideACalculateEndsEveryHandler) {
    for (const int closeAt : {19500, 15000, 10000}) {
        RandomUser user;
        user.closeAt = closeAt;
        user.form.opened();
        while (user.stepsLeft > 0 && user.logAtClose == 0) {
            user.act();
        }
        ASSERT_NE(user.logAtClose, 0U) << closeAt;
        EXPECT_EQ(user.log.size(), user.logAtClose) << closeAt;
        EXPECT_EQ(user.problems, std::vector<std::string>{});
    }
}

} // namespace
