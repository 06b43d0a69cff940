// SPDX-License-Identifier: MIT
#include "StartupMessages.h"

#include "Catalogue.h"

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
    QString named;
    for (const std::string& plugin : plugins) {
        QString display;
        if (plugin == "xcb") {
            display = x11Display.empty()
                          ? Catalogue::text(HEXCONV_TRANSLATABLE(
                                "StartupMessages", "an X11 display (DISPLAY is not set)"))
                          : Catalogue::text(
                                HEXCONV_TRANSLATABLE("StartupMessages", "the X11 display \"%1\""),
                                std::vector<hexconv::MessageArgument>{x11Display});
        } else if (plugin.rfind("wayland", 0) == 0) {
            // Without WAYLAND_DISPLAY a Wayland client tries the socket "wayland-0".
            display = Catalogue::text(
                HEXCONV_TRANSLATABLE("StartupMessages", "the Wayland display \"%1\""),
                std::vector<hexconv::MessageArgument>{
                    waylandDisplay.empty() ? std::string("wayland-0") : waylandDisplay});
        } else {
            display = Catalogue::text(
                HEXCONV_TRANSLATABLE("StartupMessages", "a display through the \"%1\" platform"),
                std::vector<hexconv::MessageArgument>{plugin});
        }
        named = named.isEmpty()
                    ? display
                    : Catalogue::text(HEXCONV_TRANSLATABLE("StartupMessages", "%1 nor %2"),
                                      QStringList{named, display});
    }
    return (named.isEmpty() ? Catalogue::text(HEXCONV_TRANSLATABLE("StartupMessages", "a display"))
                            : named)
        .toStdString();
}

void StartupMessages::handle(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    const std::string text = message.toStdString();
    if (type == QtFatalMsg) {
        const QString line = Catalogue::text(
            HEXCONV_TRANSLATABLE("StartupMessages",
                                 "hex-converter: cannot open %1; the window cannot be shown."),
            std::vector<hexconv::MessageArgument>{
                displaysTried(held().plugins, held().x11Display, held().waylandDisplay)});
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
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
