#pragma once

#include <QString>

#include <functional>

class QWidget;

// What the host does with a failure that no handler traps: it reports the failure, by default in
// a modal message titled "Hex Converter", and the program goes on. It neither catches nor decides
// anything else; the reporter can be replaced, so tests record reports instead of blocking.
class FailureHost {
public:
    using Reporter = std::function<void(QWidget* window, const QString& message)>;

    // An empty reporter restores the message box.
    static void setReporter(Reporter reporter);
    static void report(QWidget* window, const QString& message);
};
