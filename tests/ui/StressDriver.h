// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class Form1Window;
class QLineEdit;
class QWidget;

// Plays a seeded random stream of user actions at a Form1Window: clicks on every button and option,
// typing and pasting any Unicode, arrow keys and Tab. Each action starts from a zero-interval
// timer scheduled by the one before, so it may arrive inside the event yield of a running
// handler, and handlers nest several deep. Between actions it checks the hidden fields; it can
// close the window during a yield. It records problems rather than asserting, since it runs
// deep inside the window's handlers.
class StressDriver : public QObject {
public:
    StressDriver(Form1Window& form, std::uint32_t seed, int actions);

    // Close the window at the first action from this one on that runs inside a Calculate yield.
    void closeFrom(int action) { closeFrom_ = action; }
    // Returns once every action ran (or the window closed) and every handler has unwound.
    void run();

    int actionsRun() const { return actionsRun_; }
    int deepestNesting() const { return deepest_; }
    bool closed() const { return closed_; }
    const std::vector<QString>& textsAtClose() const { return textsAtClose_; }
    std::vector<QString> fieldTexts() const;
    std::vector<std::string> problems;

private:
    void scheduleNext();
    void act();
    void perform();
    void checkHiddenFields();
    void typeUnicode(QWidget* target, const QString& text);
    QString randomText(int maxLength);
    QWidget* focusTarget() const;
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

    Form1Window& form_;
    std::mt19937 random_;
    QLineEdit* fields_[4];
    int actions_;
    int actionsRun_ = 0;
    int depth_ = 0;
    int calculating_ = 0;
    int deepest_ = 0;
    int closeFrom_ = -1;
    bool finished_ = false;
    bool closed_ = false;
    std::vector<QString> textsAtClose_;
};
