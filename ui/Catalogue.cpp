// SPDX-License-Identifier: MIT
#include "Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

struct Loaded {
    QString language;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Loaded& loaded() {
    static Loaded current;
    return current;
}

} // namespace

void Catalogue::load(const QStringList& uiLanguages) {
    Loaded& now = loaded();
    if (now.own && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(now.own.get());
    }
    if (now.qt && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(now.qt.get());
    }
    now = Loaded{};
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        // English is the program's own language: a user who prefers it gets it, whatever else
        // the list goes on to name.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) {
            return;
        }
        auto own = std::make_unique<QTranslator>();
        const QString name = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
        if (!own->load(QStringLiteral(":/i18n/hex-converter_") + name)) {
            continue;
        }
        now.language = name;
        now.own = std::move(own);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + name,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            now.qt = std::move(qt);
        }
        return;
    }
}

void Catalogue::install() {
    const Loaded& now = loaded();
    if (now.own) {
        QCoreApplication::installTranslator(now.own.get());
    }
    if (now.qt) {
        QCoreApplication::installTranslator(now.qt.get());
    }
}

QString Catalogue::language() {
    return loaded().language;
}

namespace {

// The pattern in the loaded language, UTF-8; English where there is none.
std::string patternOf(const hexconv::MessageText& message) {
    QString pattern;
    if (const auto& own = loaded().own) {
        pattern = own->translate(message.context, message.english);
    }
    return pattern.isEmpty() ? std::string(message.english) : pattern.toStdString();
}

} // namespace

QString Catalogue::text(const hexconv::MessageText& message,
                        const std::vector<hexconv::MessageArgument>& arguments) {
    return QString::fromStdString(hexconv::MessageText::compose(message, arguments, &patternOf));
}

QString Catalogue::text(const hexconv::MessageText& message, const QStringList& arguments) {
    std::vector<hexconv::MessageArgument> strings;
    strings.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString& argument : arguments) {
        strings.emplace_back(argument.toStdString());
    }
    return text(message, strings);
}
