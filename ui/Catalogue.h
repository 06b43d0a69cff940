// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The program's words in the user's language: its own catalogue (embedded, under :/i18n) and
// Qt's (qtbase_LANG.qm from Qt's translations folder, for the context menus and dialog buttons),
// for the first of the user's UI languages that the program speaks; English, the language the
// program is written in, otherwise. Its own words can be looked up before the application
// exists, so that start-up lines are translated too; Qt's take effect once installed.
class Catalogue {
public:
    // The user's UI languages, most wanted first (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux).
    static void load(const QStringList& uiLanguages);
    // Into the running application, so that Qt's own texts are translated.
    static void install();
    // The language loaded ("de"), or empty for English.
    static QString language();

    static QString text(const hexconv::MessageText& message,
                        const std::vector<hexconv::MessageArgument>& arguments = {});
    static QString text(const hexconv::MessageText& message, const QStringList& arguments);
};
