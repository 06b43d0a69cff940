// SPDX-License-Identifier: MIT
#include "Catalogue.h"
#include "CommandLine.h"
#include "Form1Window.h"
#include "StartupMessages.h"
#include "SystemCodePage.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <string>

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

// Qt's options count exactly as the variables they stand for: -platform as QT_QPA_PLATFORM,
// -display as DISPLAY.
std::string chosen(const QString& option, const char* variable) {
    return option.isEmpty() ? environment(variable) : option.toStdString();
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // Before anything is said: the user's language (QLocale reads LANGUAGE, LC_ALL, LC_MESSAGES
    // and LANG without an application).
    Catalogue::load(QLocale::system().uiLanguages());
    const CommandLine commandLine(arguments);
    // The character set of the locale the program runs in, as Windows would give it.
    const hexconv::CodePage codePage =
        commandLine.codePage().value_or(hexconv::SystemCodePage::forLocaleVariables(
            std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
    switch (commandLine.action()) {
    case CommandLine::Action::ShowUsage:
        std::fputs(CommandLine::usage(codePage).toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::printf("%s\n", qPrintable(CommandLine::version()));
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s\n", commandLine.refusal().toLocal8Bit().constData());
        return 2;
    case CommandLine::Action::Start:
        break;
    }

    const std::string platform = chosen(commandLine.platform(), "QT_QPA_PLATFORM");
    const std::string x11Display = chosen(commandLine.x11Display(), "DISPLAY");
    const std::string waylandDisplay = environment("WAYLAND_DISPLAY");
    if (needsDisplayVariable && platform.empty() && x11Display.empty() && waylandDisplay.empty()) {
        const QString line = Catalogue::text(HEXCONV_TRANSLATABLE(
            "main", "hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY "
                    "are not set)"));
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return 1;
    }
    // The X11 window class: task bars match it to the desktop entry of the same id. (On Wayland
    // the desktop file name below is the window's app id.)
    QCoreApplication::setApplicationName(QStringLiteral(HEXCONV_APP_ID));
    QCoreApplication::setApplicationVersion(QStringLiteral(HEXCONV_VERSION));
    StartupMessages::hold(x11Display, waylandDisplay);
    const QApplication application(argc, argv);
    StartupMessages::release();
    Catalogue::install();
    QGuiApplication::setDesktopFileName(QStringLiteral(HEXCONV_APP_ID));
    Form1Window form(codePage);
    form.show();
    return QApplication::exec();
}
