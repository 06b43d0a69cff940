// SPDX-License-Identifier: MIT
#pragma once

#include "CodePage.h"

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line, read before Qt starts: its own options (--help, --version and
// --code-page), Qt's standard options, which it accepts and leaves to Qt, and what those choose:
// the platform and the X11 display that Qt will try. Anything that is not an option is ignored.
// It reads the arguments alone, so that the program can answer --help, --version and a wrong
// option before any display is opened.
class CommandLine {
public:
    enum class Action { Start, ShowUsage, ShowVersion, Refuse };

    explicit CommandLine(const QStringList& arguments);

    Action action() const { return action_; }
    // For Refuse: one line that names the option and points to --help.
    QString refusal() const { return refusal_; }
    // The value of -platform and of -display; empty where the option is not given.
    QString platform() const { return platform_; }
    QString x11Display() const { return x11Display_; }
    // The code page that --code-page names; none where it is not given.
    const std::optional<hexconv::CodePage>& codePage() const { return codePage_; }

    // The options, and the code page that the program converts in.
    static QString usage(const hexconv::CodePage& inUse);
    static QString version();

private:
    Action action_ = Action::Start;
    QString refusal_;
    QString platform_;
    QString x11Display_;
    std::optional<hexconv::CodePage> codePage_;
};
