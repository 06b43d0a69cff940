// SPDX-License-Identifier: MIT
#include "StartupMessages.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct Held {
    QtMessageHandler previous = nullptr;
    std::vector<std::string> messages;
    std::vector<std::string> plugins;
    std::string x11Display;
    std::string waylandDisplay;
};

Held& held() {
    static Held state;
    return state;
}

} // namespace

void StartupMessages::hold(std::string x11Display, std::string waylandDisplay) {
    held().x11Display = std::move(x11Display);
    held().waylandDisplay = std::move(waylandDisplay);
    held().previous = qInstallMessageHandler(&StartupMessages::handle);
}

void StartupMessages::release() {
    qInstallMessageHandler(held().previous);
    for (const std::string& text : held().messages) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    held().messages.clear();
}

std::string StartupMessages::displaysTried(const std::vector<std::string>& plugins,
                                           const std::string& x11Display,
                                           const std::string& waylandDisplay) {
    std::string named;
    for (const std::string& plugin : plugins) {
        std::string display;
        if (plugin == "xcb") {
            display = x11Display.empty() ? "an X11 display (DISPLAY is not set)"
                                         : "the X11 display \"" + x11Display + "\"";
        } else if (plugin.rfind("wayland", 0) == 0) {
            // Without WAYLAND_DISPLAY a Wayland client tries the socket "wayland-0".
            display = "the Wayland display \"" +
                      (waylandDisplay.empty() ? std::string("wayland-0") : waylandDisplay) + "\"";
        } else {
            display = "a display through the \"" + plugin + "\" platform";
        }
        named += (named.empty() ? "" : " nor ") + display;
    }
    return named.empty() ? "a display" : named;
}

void StartupMessages::handle(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    const std::string text = message.toStdString();
    if (type == QtFatalMsg) {
        std::fprintf(
            stderr, "hex-converter: cannot open %s; the window cannot be shown.\n",
            displaysTried(held().plugins, held().x11Display, held().waylandDisplay).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Qt names each plugin it could not load in its own messages.
    const std::string marker = "the Qt platform plugin \"";
    if (const auto at = text.find(marker); at != std::string::npos) {
        const auto start = at + marker.size();
        held().plugins.push_back(text.substr(start, text.find('"', start) - start));
    }
    const bool named = context.category != nullptr && std::string(context.category) != "default";
    held().messages.push_back(named ? std::string(context.category) + ": " + text : text);
}
