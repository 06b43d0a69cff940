// SPDX-License-Identifier: MIT
#include "Form1Window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<Form1Window> shownForm() {
    auto form = std::make_unique<Form1Window>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        qWarning("the window did not become active; focus-dependent steps may differ");
    }
    return form;
}

// One Calculate as a user makes it: a click through the button, every field written, and the
// repaint it causes flushed before the next click.
void clickCalculate(benchmark::State& state, Form1Window& form) {
    auto* calculate = form.findChild<QPushButton*>("Command1");
    for (auto _ : state) {
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
}

void BM_CalculateCharacterMode(benchmark::State& state) {
    auto form = shownForm();
    QTest::keyClicks(form->findChild<QLineEdit*>("Text1"), "A");
    clickCalculate(state, *form);
    if (form->findChild<QLineEdit*>("Text3")->text() != "41") {
        state.SkipWithError("the character mode chain did not run");
    }
}

void BM_CalculateHexMode(benchmark::State& state) {
    auto form = shownForm();
    QTest::mouseClick(form->findChild<QRadioButton*>("Option3"), Qt::LeftButton);
    QTest::keyClicks(form->findChild<QLineEdit*>("Text3"), "41");
    clickCalculate(state, *form);
    if (form->findChild<QLineEdit*>("Text1")->text() != "A") {
        state.SkipWithError("the hex mode chain did not run");
    }
}

BENCHMARK(BM_CalculateCharacterMode)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CalculateHexMode)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
