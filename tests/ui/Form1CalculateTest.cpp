// SPDX-License-Identifier: MIT
#include "CalculateExamples.h"
#include "Form1Fixture.h"

#include "Value.h"

#include <QClipboard>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <array>

namespace {

using Fields = std::array<QString, 4>;

class CalculateEdge : public Form1Fixture {
protected:
    Fields fields() const {
        return {field("Text1")->text(), field("Text2")->text(), field("Text3")->text(),
                field("Text4")->text()};
    }
};

class Calculate : public CalculateEdge,
                  public testing::WithParamInterface<hexconv::CalculateExample> {
protected:
    void SetUp() override {
        codePage = *hexconv::CodePage::withNumber(GetParam().codePage);
        CalculateEdge::SetUp();
    }
};

QString qt(const std::u32string& text) {
    return QString::fromStdU32String(text);
}

// The shared worked examples, typed and clicked through the real window.
TEST_P(Calculate, FillsTheFieldsThroughTheChain) {
    if (GetParam().hexMode) {
        selectHexMode();
    }
    // QTest types ASCII only; other characters arrive as a paste would bring them.
    const QString input = qt(GetParam().input);
    if (std::all_of(input.begin(), input.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        type(input);
    } else {
        field(GetParam().hexMode ? "Text3" : "Text1")->setText(input);
    }
    calculate();
    const auto& expected = GetParam().fields;
    EXPECT_EQ(fields(),
              (Fields{qt(expected[0]), qt(expected[1]), qt(expected[2]), qt(expected[3])}));
    EXPECT_EQ(reports, GetParam().report.empty() ? std::vector<QString>{}
                                                 : std::vector<QString>{qt(GetParam().report)});
}

INSTANTIATE_TEST_SUITE_P(SharedExamples, Calculate, testing::ValuesIn(hexconv::calculateExamples()),
                         [](const auto& info) { return std::string(info.param.name); });

// Each visible field keeps 32,767 characters, pasted or typed; but the program's own leading "0"
// is never cut off the end of a full hex field, so its last digit still counts.
TEST_F(CalculateEdge, EachFieldStopsAtTheLimitButTheLeadingZeroCutsNothing) {
    for (const char* name : {"Text1", "Text3"}) {
        if (name == std::string("Text3")) {
            selectHexMode();
        }
        QApplication::clipboard()->setText(QString(hexconv::Form1::InputLimit + 1, '1'));
        field(name)->selectAll();
        key(Qt::Key_V, Qt::ControlModifier);
        key(Qt::Key_End);
        type("f");
        EXPECT_EQ(field(name)->text(), QString(hexconv::Form1::InputLimit, '1')) << name;
    }
    key(Qt::Key_Backspace);
    type("fe");
    calculate();
    EXPECT_EQ(field("Text3")->text().size(), hexconv::Form1::InputLimit + 1);
    EXPECT_EQ(field("Text4")->text(), "00001111");
    EXPECT_EQ(field("Text2")->text(), "15");
    key(Qt::Key_End);
    type("1");
    EXPECT_EQ(field("Text3")->text().size(), hexconv::Form1::InputLimit + 1);
    // Written short again by the program, the field has its limit back.
    click(option("Option1"));
    type("A");
    calculate();
    ASSERT_EQ(field("Text3")->text(), "41");
    selectHexMode();
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field("Text3")->text().size(), hexconv::Form1::InputLimit);
}

// Events that wait while Calculate runs are handled at its event yields: a switch to hex mode runs
// the hex chain too, and a close ends the chain there, touching no field after.
TEST_F(CalculateEdge, WaitingEventsRunAtTheYieldsAndACloseThereEndsTheChain) {
    type("Hello");
    QTimer::singleShot(0, form.get(), [this] { click(option("Option3")); });
    calculate();
    EXPECT_EQ(fields(), (Fields{"H", "72", "48", "01001000"}));
    field("Text3")->setText("41");
    Fields atClose;
    QTimer::singleShot(0, form.get(), [this, &atClose] {
        atClose = fields();
        form->close();
    });
    calculate();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(fields(), atClose);
}

// The program's own dialog, not a test's reporter, as the next one to open shows it: a timer
// inspects it, copies it with Ctrl+C and closes it with Escape (or, where Escape does not, its
// button). The conversion yields before the dialog opens, so the timer keeps looking until it is
// there.
struct DialogSeen {
    QString title, text, name, copied;
    bool closedByEscape = false;
    QWidget* parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    QStringList buttons;
    QRect geometry;
    QTimer inspector;

    DialogSeen() {
        FailureHost::setReporter({});
        inspector.start(0);
        QObject::connect(&inspector, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(window);
                if (box != nullptr && box->isVisible()) {
                    see(box);
                }
            }
        });
    }

    void see(QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        name = box->informativeText();
        parent = box->parentWidget();
        modality = box->windowModality();
        geometry = box->geometry();
        for (QAbstractButton* b : box->buttons()) {
            buttons << b->text().remove('&');
        }
        inspector.stop();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        QTest::keyClick(box, Qt::Key_Escape);
        closedByEscape = !box->isVisible();
        if (!closedByEscape) {
            box->button(QMessageBox::Ok)->click();
        }
    }

    // Room for the title beside a window manager's icon and buttons.
    bool wideEnoughForItsTitle() const {
        return geometry.width() >=
               QFontMetrics(QApplication::font()).horizontalAdvance(title) + 150;
    }
};

TEST_F(CalculateEdge, DefaultDialogIsModalCentredWideAndHasOneOkButton) {
    DialogSeen dialog;
    selectHexMode();
    type("g");
    calculate();
    EXPECT_EQ(dialog.title, "Hex Converter");
    EXPECT_EQ(dialog.text, QString::fromStdU32String(U"\"g\"" + hexconv::notAHexDigit));
    EXPECT_EQ(dialog.name, "Type mismatch");
    EXPECT_EQ(dialog.parent, form.get());
    EXPECT_EQ(dialog.modality, Qt::WindowModal);
    EXPECT_EQ(dialog.buttons, QStringList{"OK"});
    EXPECT_LE((dialog.geometry.center() - form->geometry().center()).manhattanLength(), 4);
    EXPECT_TRUE(dialog.wideEnoughForItsTitle());
    EXPECT_EQ(dialog.copied.toStdString(), (dialog.text + "\n\nType mismatch").toStdString());
    EXPECT_TRUE(dialog.closedByEscape);
    form->activateWindow(); // as a window manager does when the dialog closes
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(focusName(), "Text3");
    EXPECT_EQ(field("Text3")->selectedText(), "0g");
}

// What is not one of the program's own failures is reported as unexpected, in a dialog still wide
// enough for its title however short the message.
TEST_F(CalculateEdge, UnexpectedFailuresAreNamedSoInADialogWideEnoughForItsTitle) {
    const struct {
        std::exception_ptr failure;
        QString text;
    } cases[] = {
        {std::make_exception_ptr(std::runtime_error("x")), "x"},
        {std::make_exception_ptr(42),
         "Something unexpected went wrong; the conversion was not finished."},
    };
    for (const auto& c : cases) {
        DialogSeen dialog;
        FailureHost::report(form.get(), c.failure);
        EXPECT_EQ(dialog.title, "Hex Converter");
        EXPECT_EQ(dialog.text, c.text);
        EXPECT_EQ(dialog.name, "Unexpected failure");
        EXPECT_TRUE(dialog.wideEnoughForItsTitle()) << dialog.geometry.width();
    }
}

} // namespace
