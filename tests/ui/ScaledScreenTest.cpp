// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"
#include "LayoutCheck.h"

#include <QWindow>

// Built into its own test program, whose main sets QT_SCALE_FACTOR=2 before Qt starts.
namespace {

using ScaledScreen = Form1Fixture;

TEST_F(ScaledScreen, WindowIsTwiceTheSizeWithNothingClippedOrOverlapping) {
    ASSERT_DOUBLE_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_EQ(form->size(), QSize(301, 158));
    EXPECT_EQ(form->grab().size(), QSize(602, 316));
    const std::vector<std::string> problems = LayoutCheck::problems(*form);
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST_F(ScaledScreen, ConversionWorksTheSame) {
    type("A");
    calculate();
    EXPECT_EQ(field("Text3")->text(), "41");
}

} // namespace
