// SPDX-License-Identifier: MIT
#pragma once

#include "FailureHost.h"
#include "Form1Window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A shown, active Form1 driven with real key and mouse events, with failure reports recorded.
class Form1Fixture : public testing::Test {
public:
    // Outside a test that expects one, a failure report is itself a test failure.
    static void reportUnexpectedFailures();

protected:
    void SetUp() override;
    void TearDown() override;

    QLineEdit* field(const char* name) const { return form->findChild<QLineEdit*>(name); }
    QRadioButton* option(const char* name) const { return form->findChild<QRadioButton*>(name); }
    QPushButton* button(const char* name) const { return form->findChild<QPushButton*>(name); }
    QString focusName() const;

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    void click(QWidget* control);
    void selectHexMode() { click(option("Option3")); }
    void calculate() { click(button("Command1")); }

    hexconv::CodePage codePage = hexconv::CodePage::windows1252(); // the window's, at SetUp
    std::unique_ptr<Form1Window> form;
    std::vector<QString> reports;
};
