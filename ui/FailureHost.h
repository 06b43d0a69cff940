// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <functional>

class QWidget;

// What the host does with a failure that no handler traps: it reports the failure, by default in
// a FailureDialog, and then the program goes on. The reporter can be replaced, so tests record
// reports instead of blocking on a dialog.
class FailureHost {
public:
    using Reporter = std::function<void(QWidget* window, std::exception_ptr failure)>;

    // An empty reporter restores the message box.
    static void setReporter(Reporter replacement);
    static void report(QWidget* window, const std::exception_ptr& failure);
};
