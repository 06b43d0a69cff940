// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// What the host does with a failure that no handler traps: it reports the failure, by default in
// a message box titled "Hex Converter", modal to and centred on the window, that says what went
// wrong and names the failure; then the program goes on. It neither catches nor decides anything
// else; the reporter can be replaced, so tests record reports instead of blocking on a dialog.
class FailureHost {
public:
    using Reporter = std::function<void(QWidget* window, std::exception_ptr failure)>;

    // An empty reporter restores the message box.
    static void setReporter(Reporter replacement);
    static void report(QWidget* window, const std::exception_ptr& failure);
    // The message a user reads for the failure.
    static QString messageOf(const std::exception_ptr& failure);
    // The failure's short name ("Type mismatch"), shown under the message.
    static QString nameOf(const std::exception_ptr& failure);
};
