#include "Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt's platform plugin aborts with a core dump; say so plainly instead.
bool hasDisplay() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                   "are not set)\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Ties the window to its desktop entry, for the task bar's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HEXCONV_APP_ID));
    Form1 form;
    form.show();
    return application.exec();
}
