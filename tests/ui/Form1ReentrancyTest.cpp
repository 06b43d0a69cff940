// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include <QClipboard>
#include <QMetaObject>
#include <QTimer>

namespace {

using Reentrancy = Form1Fixture;

// Events queued before the click are delivered at the first event yield inside DecToBin.

TEST_F(Reentrancy, SecondCalculateRunsNestedInsideTheFirst) {
    type("A");
    // While the outer run converts "65", the user turns "A" into "B" and clicks Calculate again.
    postKey(field("Text1"), Qt::Key_Backspace);
    postKey(field("Text1"), Qt::Key_B, "B");
    postClick(button("Command1"));
    calculate();
    // The nested run wrote "66" and its bits; the outer one then finished with its own "65".
    EXPECT_EQ(field("Text1")->text(), "B");
    EXPECT_EQ(field("Text2")->text(), "66");
    EXPECT_EQ(field("Text4")->text(), "01000001");
    EXPECT_EQ(field("Text3")->text(), "41");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Reentrancy, ClosingDuringAYieldStopsTheHandlerAtThatYield) {
    type("A");
    QMetaObject::invokeMethod(form.get(), &QWidget::close, Qt::QueuedConnection);
    calculate();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(field("Text2")->text(), "65");
    EXPECT_TRUE(field("Text4")->text().isEmpty());
    EXPECT_TRUE(field("Text3")->text().isEmpty());
    EXPECT_TRUE(reports.empty());
    // Late clicks run no handler, change no field, mode or clipboard, and never bring the
    // window back.
    QApplication::clipboard()->setText("before");
    calculate();
    for (const char* name : {"Command2", "Command3"}) {
        click(button(name));
    }
    click(option("Option3"));
    EXPECT_EQ(field("Text1")->text(), "A");
    EXPECT_EQ(field("Text2")->text(), "65");
    EXPECT_TRUE(field("Text3")->text().isEmpty());
    EXPECT_TRUE(field("Text4")->text().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    EXPECT_TRUE(field("Text3")->isReadOnly());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Reentrancy, ClosingDuringANestedYieldStopsEveryHandler) {
    selectHexMode();
    type("41");
    // The close must come while the nested run is inside its own yield: a zero timer started as
    // the second click begins fires at that run's first yield, not before it.
    QTimer closer;
    closer.setSingleShot(true);
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, form.get(), &QWidget::close);
    int presses = 0;
    QObject::connect(button("Command1"), &QPushButton::pressed, &closer, [&] {
        if (++presses == 2) {
            closer.start();
        }
    });
    postClick(button("Command1"));
    calculate();
    ASSERT_EQ(presses, 2);
    // Both runs stopped inside HexToBin, before the binary field was written.
    EXPECT_TRUE(field("Text4")->text().isEmpty());
    EXPECT_TRUE(field("Text2")->text().isEmpty());
    EXPECT_TRUE(field("Text1")->text().isEmpty());
    EXPECT_EQ(field("Text3")->text(), "41");
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(reports.empty());
}

} // namespace
