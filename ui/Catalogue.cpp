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

bool Catalogue::hasQtCatalogue() {
    return loaded().qt != nullptr;
}

QString Catalogue::text(const hexconv::MessageText& message,
                        const std::vector<std::string>& arguments) {
    QStringList strings;
    for (const std::string& argument : arguments) {
        strings.append(QString::fromStdString(argument));
    }
    return text(message, strings);
}

QString Catalogue::text(const hexconv::MessageText& message, const QStringList& arguments) {
    QString pattern;
    if (const auto& own = loaded().own) {
        pattern = own->translate(message.context, message.english);
    }
    if (pattern.isEmpty()) {
        pattern = QString::fromUtf8(message.english);
    }
    std::vector<std::string> filled;
    filled.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString& argument : arguments) {
        filled.push_back(argument.toStdString());
    }
    return QString::fromStdString(hexconv::MessageText::fill(pattern.toStdString(), filled));
}
