// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <string>
#include <vector>

// Qt's own messages while the window system opens. They are held back: if no display can be
// opened, Qt would end the program with a fatal error (a core dump and advice to reinstall), which
// becomes one plain line naming the displays tried and exit status 1 instead. Once the window
// system is open, release() passes on what was held, unchanged, and Qt's later messages go to
// standard error as usual.
class StartupMessages {
public:
    // The X11 display and the Wayland socket that Qt will try, for the line that names them; an
    // empty text where none is set.
    static void hold(std::string x11Display, std::string waylandDisplay);
    static void release();

    // The displays behind the platform plugins that could not be loaded, as a user names them.
    static std::string displaysTried(const std::vector<std::string>& plugins,
                                     const std::string& x11Display,
                                     const std::string& waylandDisplay);

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);
};
