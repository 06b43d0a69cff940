// SPDX-License-Identifier: MIT
#include "StressDriver.h"

#include "Form1Window.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

// Deep enough to show nesting several levels down, shallow enough to keep the stack small.
constexpr int maxNesting = 8;

} // namespace

StressDriver::StressDriver(Form1Window& form, std::uint32_t seed, int actions)
    : form_(form), random_(seed), actions_(actions) {
    const char* names[] = {"Text1", "Text2", "Text3", "Text4"};
    for (int i = 0; i < 4; ++i) {
        fields_[i] = form.findChild<QLineEdit*>(names[i]);
    }
}

void StressDriver::run() {
    scheduleNext();
    while (!finished_) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // Let every handler that is still unwinding finish before the caller looks.
    QCoreApplication::processEvents();
}

std::vector<QString> StressDriver::fieldTexts() const {
    return {fields_[0]->text(), fields_[1]->text(), fields_[2]->text(), fields_[3]->text()};
}

void StressDriver::scheduleNext() {
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(0);
    connect(timer, &QTimer::timeout, this, [this, timer] {
        timer->deleteLater();
        act();
    });
    timer->start();
}

void StressDriver::act() {
    if (finished_) {
        return;
    }
    checkHiddenFields();
    if (actionsRun_ >= actions_) {
        finished_ = true;
        return;
    }
    if (closeFrom_ >= 0 && actionsRun_ >= closeFrom_ && calculating_ > 0) {
        textsAtClose_ = fieldTexts();
        closed_ = true;
        finished_ = true;
        form_.close();
        return;
    }
    ++actionsRun_;
    scheduleNext(); // the next action may run inside this one's yields
    ++depth_;
    deepest_ = std::max(deepest_, depth_);
    perform();
    --depth_;
}

void StressDriver::checkHiddenFields() {
    static const QRegularExpression bits(QStringLiteral("^[01]{8}$"));
    static const QRegularExpression byte(
        QStringLiteral("^(0|[1-9][0-9]?|1[0-9][0-9]|2[0-4][0-9]|25[0-5])$"));
    const QString binary = fields_[3]->text();
    const QString decimal = fields_[1]->text();
    if (!binary.isEmpty() && !bits.match(binary).hasMatch()) {
        problems.push_back("binary field holds \"" + binary.toStdString() + "\"");
    }
    if (!decimal.isEmpty() && !byte.match(decimal).hasMatch()) {
        problems.push_back("decimal field holds \"" + decimal.toStdString() + "\"");
    }
}

QWidget* StressDriver::focusTarget() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &form_;
}

QString StressDriver::randomText(int maxLength) {
    static const QString hexish = QStringLiteral("0123456789abcdefABCDEFgxz .-+");
    QString text;
    const int length = 1 + pick(maxLength);
    for (int i = 0; i < length; ++i) {
        switch (pick(4)) {
        case 0:
        case 1:
            text += hexish[pick(static_cast<int>(hexish.size()))];
            break;
        case 2: // Latin-1, including the C1 controls
            text += QChar(0x80 + pick(0x80));
            break;
        default: { // anywhere in Unicode, astral planes included
            const char32_t c = static_cast<char32_t>(pick(0x10FFFF));
            text += (c >= 0xD800 && c < 0xE000) ? QString(QChar(static_cast<char16_t>(c)))
                                                : QString::fromUcs4(&c, 1);
        }
        }
    }
    return text;
}

void StressDriver::typeUnicode(QWidget* target, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void StressDriver::perform() {
    static const char* buttons[] = {"Command2", "Command3"};
    static const char* options[] = {"Option1", "Option3"};
    static const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    static const Qt::Key others[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space};
    const int choice = pick(depth_ >= maxNesting ? 14 : 18);
    switch (choice) {
    case 0:
    case 1:
        QTest::mouseClick(form_.findChild<QPushButton*>(buttons[pick(2)]), Qt::LeftButton);
        break;
    case 2:
    case 3:
        QTest::mouseClick(form_.findChild<QRadioButton*>(options[pick(2)]), Qt::LeftButton);
        break;
    case 4:
        QTest::keyClick(focusTarget(), arrows[pick(4)]);
        break;
    case 5:
        QTest::keyClick(focusTarget(), pick(2) ? Qt::Key_Tab : Qt::Key_Backtab);
        break;
    case 6:
    case 7:
        QTest::keyClicks(focusTarget(), QString("0123456789abcdefABg ").mid(pick(20), 1 + pick(2)));
        break;
    case 8:
        typeUnicode(focusTarget(), randomText(2));
        break;
    case 9:
        QGuiApplication::clipboard()->setText(randomText(6));
        QTest::keyClick(focusTarget(), Qt::Key_V, Qt::ControlModifier);
        break;
    case 10:
        QTest::keyClick(focusTarget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(focusTarget(), Qt::Key_Backspace);
        break;
    case 11:
        QTest::keyClick(focusTarget(), others[pick(3)]);
        break;
    case 12:
    case 13:
        QTest::mouseClick(fields_[pick(2) * 2], Qt::LeftButton);
        break;
    default: // Calculate, which yields and so lets the next actions nest inside it
        ++calculating_;
        QTest::mouseClick(form_.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        --calculating_;
    }
}
