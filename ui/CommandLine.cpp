// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Catalogue.h"
#include "Failure.h"
#include "FailureReport.h"
#include "SystemCodePage.h"

#include <QCommandLineParser>

namespace {

// Qt's own options, as QGuiApplication, QApplication and the X11 platform take them off the
// command line; each also works with two dashes. Those that the running platform does not use are
// left alone by Qt and ignored.
const QStringList qtOptionsWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("session"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger"),
    QStringLiteral("display"),
    QStringLiteral("name"),
    QStringLiteral("title"),
    QStringLiteral("geometry"),
    QStringLiteral("icon"),
    QStringLiteral("visual"),
};
const QStringList qtFlags = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("testability"),
    QStringLiteral("nograb"),  QStringLiteral("dograb"),      QStringLiteral("sync"),
};

// The argument as the user typed it, for a message about the option it names.
QString typed(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-'))) {
            bare.remove(0, 1);
        }
        if (bare.section(QLatin1Char('='), 0, 0) == name) {
            return argument.section(QLatin1Char('='), 0, 0);
        }
    }
    return QStringLiteral("--") + name;
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"), not clusters of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption showVersion(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption codePage(QStringLiteral("code-page"), QString(), QStringLiteral("N"));
    parser.addOption(help);
    parser.addOption(showVersion);
    parser.addOption(codePage);
    for (const QString& name : qtOptionsWithValue) {
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    }
    for (const QString& name : qtFlags) {
        parser.addOption(QCommandLineOption(name));
    }

    if (!parser.parse(arguments)) {
        action_ = Action::Refuse;
        const QStringList unknown = parser.unknownOptionNames();
        // Otherwise a Qt option that takes a value came last, without one.
        refusal_ =
            unknown.isEmpty()
                ? Catalogue::text(HEXCONV_TRANSLATABLE("CommandLine",
                                                       "hex-converter: the option \"%1\" needs a "
                                                       "value; see \"hex-converter --help\"."),
                                  {arguments.last().section(QLatin1Char('='), 0, 0)})
                : Catalogue::text(HEXCONV_TRANSLATABLE("CommandLine",
                                                       "hex-converter: unknown option \"%1\"; see "
                                                       "\"hex-converter --help\"."),
                                  {typed(arguments, unknown.first())});
        return;
    }
    if (parser.isSet(help)) {
        action_ = Action::ShowUsage;
    } else if (parser.isSet(showVersion)) {
        action_ = Action::ShowVersion;
    }
    if (parser.isSet(codePage)) {
        try {
            codePage_ = hexconv::SystemCodePage::named(parser.value(codePage).toStdString());
        } catch (const hexconv::UnknownCodePage&) {
            action_ = Action::Refuse;
            refusal_ =
                QStringLiteral("hex-converter: ") +
                QString::fromStdString(hexconv::FailureReport(std::current_exception()).message());
            return;
        }
    }
    platform_ = parser.value(QStringLiteral("platform"));
    x11Display_ = parser.value(QStringLiteral("display"));
}

QString CommandLine::usage(const hexconv::CodePage& inUse) {
    return Catalogue::text(
        HEXCONV_TRANSLATABLE(
            "CommandLine",
            "Usage: hex-converter [--help | --version] [--code-page N] [Qt options]\n"
            "Converts one character to its two hex digits and back, in a small window, in the\n"
            "code page %1.\n"
            "\n"
            "  -h, --help          show this text and exit\n"
            "  -v, --version       show the version and exit\n"
            "      --code-page N   convert in another of Windows' code pages: N is 874, 932,\n"
            "                      936, 949, 950 or 1250 to 1258\n"
            "\n"
            "The program has no other options of its own. The standard options of every Qt\n"
            "program apply, among them:\n"
            "  -platform NAME      the window system to use, such as xcb or wayland\n"
            "  -display DISPLAY    the X11 display to open the window on\n"
            "  -style NAME         the widget style, such as Fusion\n"
            "  -stylesheet FILE    a style sheet to draw the window with\n"
            "  -reverse            lay out from right to left\n"
            "Arguments that are not options are ignored.\n"),
        {inUse.name()});
}

QString CommandLine::version() {
    return QStringLiteral("hex-converter " HEXCONV_VERSION);
}
