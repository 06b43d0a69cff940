// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "Form1Fixture.h"
#include "Languages.h"
#include "LayoutCheck.h"

#include <QWindow>

// Built into its own test program, whose main sets QT_SCALE_FACTOR=2 before Qt starts.
namespace {

using ScaledScreen = Form1Fixture;

TEST_F(ScaledScreen, WindowIsTwiceTheSizeWithNothingClippedOrOverlapping) {
    ASSERT_DOUBLE_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_EQ(form->size(), QSize(301, 158));
    EXPECT_EQ(form->grab().size(), QSize(602, 316));
    EXPECT_EQ(LayoutCheck::problems(*form), "");
}

TEST_F(ScaledScreen, EveryShippedLanguageFitsItsWindowToo) {
    for (const Language& language : shippedLanguages()) {
        Catalogue::load({QString::fromLatin1(language.code)});
        Form1Window translated;
        translated.show();
        EXPECT_EQ(LayoutCheck::problems(translated), "") << language.code;
    }
    Catalogue::load({QStringLiteral("en")});
}

} // namespace
