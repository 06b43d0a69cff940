// SPDX-License-Identifier: MIT
#include "Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Where Qt draws on X11 or Wayland (Linux and the BSDs) a missing display is known before Qt
// starts; elsewhere (Windows, macOS) the platform needs no such variable and Qt chooses.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
constexpr bool needsDisplayVariable = true;
#else
constexpr bool needsDisplayVariable = false;
#endif

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool hasDisplay() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!environment(variable).empty()) {
            return true;
        }
    }
    return false;
}

// The displays Qt tried, as a user would name them: the plugins it could not load are named in
// its own start-up messages.
std::string displaysTried(const std::vector<std::string>& plugins) {
    std::string named;
    for (const std::string& plugin : plugins) {
        std::string display;
        if (plugin == "xcb") {
            const std::string x11 = environment("DISPLAY");
            display = x11.empty() ? "an X11 display (DISPLAY is not set)"
                                  : "the X11 display \"" + x11 + "\"";
        } else if (plugin.rfind("wayland", 0) == 0) {
            const std::string socket = environment("WAYLAND_DISPLAY");
            display = "the Wayland display \"" + (socket.empty() ? "wayland-0" : socket) + "\"";
        } else {
            display = "a display through the \"" + plugin + "\" platform";
        }
        named += (named.empty() ? "" : " nor ") + display;
    }
    return named.empty() ? "a display" : named;
}

// Until the window system is open, Qt's own messages about it are held back: if it cannot be
// opened Qt ends the program with a fatal error (a core dump and advice to reinstall), which
// becomes one plain line and exit status 1 instead. Once it is open, what was held back is
// passed on.
class StartupMessages {
public:
    static void hold() { previous_ = qInstallMessageHandler(&handle); }

    static void release() {
        qInstallMessageHandler(previous_);
        for (const std::string& text : held_) {
            std::fprintf(stderr, "%s\n", text.c_str());
        }
        held_.clear();
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        const std::string text = message.toStdString();
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "hex-converter: cannot open %s; the window cannot be shown.\n",
                         displaysTried(plugins_).c_str());
            std::fflush(stderr);
            std::_Exit(1);
        }
        const std::string marker = "the Qt platform plugin \"";
        if (const auto at = text.find(marker); at != std::string::npos) {
            const auto start = at + marker.size();
            plugins_.push_back(text.substr(start, text.find('"', start) - start));
        }
        const bool named =
            context.category != nullptr && std::string(context.category) != "default";
        held_.push_back(named ? std::string(context.category) + ": " + text : text);
    }

    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<std::string> held_;
    static inline std::vector<std::string> plugins_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (needsDisplayVariable && !hasDisplay()) {
        std::fputs("hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                   "are not set)\n",
                   stderr);
        return 1;
    }
    StartupMessages::hold();
    QApplication application(argc, argv);
    StartupMessages::release();
    // Ties the window to its desktop entry, for the task bar's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HEXCONV_APP_ID));
    Form1 form;
    form.show();
    return application.exec();
}
