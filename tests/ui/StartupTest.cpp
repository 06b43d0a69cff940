// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "StartupMessages.h"
#include "TableFile.h"

#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <map>

namespace {

// Each command line of the table read, and what the program makes of it.
TEST(CommandLineRead, ChoosesItsActionAndWhatQtWillTry) {
    const std::map<std::u32string, CommandLine::Action> actions = {
        {U"start", CommandLine::Action::Start},
        {U"usage", CommandLine::Action::ShowUsage},
        {U"version", CommandLine::Action::ShowVersion},
        {U"refuse", CommandLine::Action::Refuse}};
    const auto qt = [](const std::u32string& text) { return QString::fromStdU32String(text); };
    for (auto row : hexconv::tableRows("command-lines.tsv")) {
        row.resize(7);
        const CommandLine line(QStringList{QStringLiteral("hex-converter")} +
                               qt(row[1]).split(' ', Qt::SkipEmptyParts));
        const std::string name = hexconv::asciiOf(row[0]);
        EXPECT_EQ(line.action(), actions.at(row[2])) << name;
        EXPECT_EQ(line.refusal(), qt(row[3])) << name;
        EXPECT_EQ(line.platform(), qt(row[4])) << name;
        EXPECT_EQ(line.x11Display(), qt(row[5])) << name;
        EXPECT_EQ(line.codePage() ? line.codePage()->number() : 0U, qt(row[6]).toUInt()) << name;
    }
}

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

TEST(DisplaysTried, AreNamedAsTheUserGaveThem) {
    const struct {
        std::vector<std::string> plugins;
        std::string x11Display, waylandDisplay, named;
    } cases[] = {
        {{}, ":1", "", "a display"},
        {{"xcb"}, ":998", "wayland-1", "the X11 display \":998\""},
        {{"xcb"}, "", "", "an X11 display (DISPLAY is not set)"},
        {{"wayland"}, ":1", "", "the Wayland display \"wayland-0\""},
        {{"wayland-egl", "xcb"}, ":1", "w", "the Wayland display \"w\" nor the X11 display \":1\""},
        {{"eglfs"}, ":1", "", "a display through the \"eglfs\" platform"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StartupMessages::displaysTried(c.plugins, c.x11Display, c.waylandDisplay),
                  c.named);
    }
}

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
