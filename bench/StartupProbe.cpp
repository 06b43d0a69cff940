// SPDX-License-Identifier: MIT
// One of the two programs the start-up benchmark launches: the real converter window, or with
// EMPTY_WINDOW a bare window of the same size and title, the reference. Each prints the monotonic
// clock at its first painted frame; with --stay it then goes on idling until it is killed.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>

#ifndef EMPTY_WINDOW
#include "Form1Window.h"
#endif

namespace {

class FirstFrame : public QObject {
public:
    explicit FirstFrame(bool stay) : stay_(stay) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so the time is taken after this frame's painting and flush have finished.
            QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        if (!stay_) {
            QCoreApplication::quit();
        }
    }

    bool stay_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    QApplication application(argc, argv);
#ifdef EMPTY_WINDOW
    QWidget window;
    window.setWindowTitle(QStringLiteral("Hex Converter"));
    window.setFixedSize(301, 158);
#else
    Form1Window window;
#endif
    FirstFrame probe(stay);
    window.installEventFilter(&probe);
    window.show();
    return application.exec();
}
