// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <QString>
#include <QStringList>

#include <vector>

// The program's words as Qt takes them: the shared choice of language from the user's list, Qt's
// own catalogue for that language (qtbase_LANG.qm from Qt's translations folder, for the context
// menus and dialog buttons), and each text in the language spoken, as a QString. The choice can
// be made before the application exists, so that start-up lines are translated too; Qt's
// catalogue takes effect once installed.
class Catalogue {
public:
    // The user's UI languages, most wanted first (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on Linux).
    static void load(const QStringList& uiLanguages);
    // Into the running application, so that Qt's own texts are translated.
    static void install();

    static QString text(const hexconv::MessageText& message,
                        const std::vector<hexconv::MessageArgument>& arguments = {});
    static QString text(const hexconv::MessageText& message, const QStringList& arguments);
};
