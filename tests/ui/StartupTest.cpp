// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "StartupMessages.h"

#include <QLoggingCategory>

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    CommandLine::Action action;
    QString refusal;
    QString platform;
    QString x11Display;
    unsigned codePage = 0; // none chosen
};

QString refused(const char* problem) {
    return QStringLiteral("hex-converter: %1; see \"hex-converter --help\".")
        .arg(QString::fromUtf8(problem));
}

class CommandLineRead : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineRead, ChoosesItsActionAndWhatQtWillTry) {
    const CommandLine line(QStringList{QStringLiteral("hex-converter")} + GetParam().arguments);
    EXPECT_EQ(line.action(), GetParam().action);
    EXPECT_EQ(line.refusal(), GetParam().refusal);
    EXPECT_EQ(line.platform(), GetParam().platform);
    EXPECT_EQ(line.x11Display(), GetParam().x11Display);
    EXPECT_EQ(line.codePage() ? line.codePage()->number() : 0, GetParam().codePage);
}

using Action = CommandLine::Action;
INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineRead,
    testing::Values(
        CommandLineCase{"None", {}, Action::Start, {}, {}, {}},
        CommandLineCase{"NotOptionsAreIgnored", {"notes.txt", "-"}, Action::Start, {}, {}, {}},
        CommandLineCase{"LongHelp", {"--help"}, Action::ShowUsage, {}, {}, {}},
        CommandLineCase{"ShortHelp", {"-h"}, Action::ShowUsage, {}, {}, {}},
        CommandLineCase{"Version", {"--version"}, Action::ShowVersion, {}, {}, {}},
        CommandLineCase{
            "HelpWinsOverVersion", {"--version", "--help"}, Action::ShowUsage, {}, {}, {}},
        // Each Qt option the README lists takes its value, even one that looks like an option.
        CommandLineCase{"ListedQtOptionsTakeTheirValues",
                        {"-stylesheet", "-x.qss", "-style", "-fusion", "-reverse", "-platform",
                         "-xcb", "-display", "-:5"},
                        Action::Start,
                        {},
                        "-xcb",
                        "-:5"},
        CommandLineCase{"QtPlatform", {"-platform", "wayland"}, Action::Start, {}, "wayland", {}},
        CommandLineCase{
            "QtPlatformTwoDashes", {"--platform=offscreen"}, Action::Start, {}, "offscreen", {}},
        CommandLineCase{"QtDisplayAmongOthers",
                        {"-style", "fusion", "-reverse", "-display", ":5", "file"},
                        Action::Start,
                        {},
                        {},
                        ":5"},
        CommandLineCase{"LastPlatformCounts",
                        {"-platform", "xcb", "-platform", "wayland"},
                        Action::Start,
                        {},
                        "wayland",
                        {}},
        CommandLineCase{"OptionsEndAtTwoDashes", {"--", "-frobnicate"}, Action::Start, {}, {}, {}},
        CommandLineCase{"UnknownNamedAsTyped",
                        {"-reverse", "-frobnicate=2"},
                        Action::Refuse,
                        refused("unknown option \"-frobnicate\""),
                        {},
                        {}},
        CommandLineCase{"UnknownBeatsHelp",
                        {"--help", "--frobnicate"},
                        Action::Refuse,
                        refused("unknown option \"--frobnicate\""),
                        {},
                        {}},
        CommandLineCase{"LettersAreNoCluster",
                        {"-hv"},
                        Action::Refuse,
                        refused("unknown option \"-hv\""),
                        {},
                        {}},
        CommandLineCase{"CodePageChosen",
                        {"--code-page", "1251", "-display", ":2"},
                        Action::Start,
                        {},
                        {},
                        ":2",
                        1251},
        CommandLineCase{"CodePageNotWindows",
                        {"--help", "--code-page=1200"},
                        Action::Refuse,
                        "hex-converter: There is no code page \"1200\": choose one of 874, 932, "
                        "936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258.",
                        {},
                        {}},
        CommandLineCase{"CodePageNotANumber",
                        {"--code-page", "cp1251"},
                        Action::Refuse,
                        "hex-converter: There is no code page \"cp1251\": choose one of 874, 932, "
                        "936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258.",
                        {},
                        {}},
        CommandLineCase{"QtOptionWithoutValue",
                        {"-style", "fusion", "-display"},
                        Action::Refuse,
                        refused("the option \"-display\" needs a value"),
                        {},
                        {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTexts, UsageNamesTheCodePageOwnOptionsAndQtsAndVersionIsTheProjects) {
    const QString usage = CommandLine::usage(*hexconv::CodePage::withNumber(1251));
    EXPECT_TRUE(
        usage.startsWith("Usage: hex-converter [--help | --version] [--code-page N] [Qt "
                         "options]\nConverts one character to its two hex digits and back, "
                         "in a small window, in the\ncode page Windows-1251 (Cyrillic).\n"));
    for (const char* option : {"--help", "--version", "--code-page", "-platform", "-display",
                               "-style", "-stylesheet", "-reverse"}) {
        EXPECT_TRUE(usage.contains(QString::fromLatin1(option))) << option;
    }
    EXPECT_EQ(CommandLine::version(), QStringLiteral("hex-converter " HEXCONV_VERSION));
}

struct TriedCase {
    const char* name;
    std::vector<std::string> plugins;
    std::string x11Display;
    std::string waylandDisplay;
    std::string named;
};

class DisplaysTried : public testing::TestWithParam<TriedCase> {};

TEST_P(DisplaysTried, AreNamedAsTheUserGaveThem) {
    EXPECT_EQ(StartupMessages::displaysTried(GetParam().plugins, GetParam().x11Display,
                                             GetParam().waylandDisplay),
              GetParam().named);
}

INSTANTIATE_TEST_SUITE_P(
    Plugins, DisplaysTried,
    testing::Values(
        TriedCase{"NoneNamed", {}, ":1", "", "a display"},
        TriedCase{"X11Given", {"xcb"}, ":998", "wayland-1", "the X11 display \":998\""},
        TriedCase{"X11NotSet", {"xcb"}, "", "", "an X11 display (DISPLAY is not set)"},
        TriedCase{
            "WaylandDefaultSocket", {"wayland"}, ":1", "", "the Wayland display \"wayland-0\""},
        TriedCase{"BothInOrder",
                  {"wayland-egl", "xcb"},
                  ":1",
                  "w",
                  "the Wayland display \"w\" nor the X11 display \":1\""},
        TriedCase{
            "OtherPlatform", {"eglfs"}, ":1", "", "a display through the \"eglfs\" platform"}),
    [](const auto& info) { return std::string(info.param.name); });

Q_LOGGING_CATEGORY(startupTestCategory, "qt.qpa.startuptest")

TEST(StartupMessagesHeld, ComeOutUnchangedOnReleaseAndLaterOnesGoStraightToStandardError) {
    testing::internal::CaptureStderr();
    StartupMessages::hold(":1", "");
    qWarning("plain message");
    qCWarning(startupTestCategory, "named message");
    const std::string whileHeld = testing::internal::GetCapturedStderr();
    testing::internal::CaptureStderr();
    StartupMessages::release();
    qWarning("later message");
    const std::string afterwards = testing::internal::GetCapturedStderr();
    EXPECT_EQ(whileHeld, "");
    EXPECT_EQ(afterwards, "plain message\nqt.qpa.startuptest: named message\nlater message\n");
}

TEST(StartupMessagesHeldDeathTest, AFatalErrorBecomesOneLineNamingTheDisplayTried) {
    EXPECT_EXIT(
        {
            StartupMessages::hold(":998", "");
            qWarning("From 6.5.0, xcb-cursor0 is needed");
            qWarning("Could not load the Qt platform plugin \"xcb\" in \"\" even though it was "
                     "found.");
            qFatal("This application failed to start");
        },
        testing::ExitedWithCode(1),
        "^hex-converter: cannot open the X11 display \":998\"; the window cannot be shown.\n$");
}

} // namespace
