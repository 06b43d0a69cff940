// SPDX-License-Identifier: MIT
#include "Catalogue.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <string>

namespace {

std::unique_ptr<QTranslator>& qtCatalogue() {
    static std::unique_ptr<QTranslator> loaded;
    return loaded;
}

// The program's languages written from right to left lay out every window from right to left,
// as Qt's own catalogues for them do, whether or not those are installed; -reverse, which Qt has
// applied before any language, still reverses the direction.
void applyDirection() {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    static const bool reversed = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    QGuiApplication::setLayoutDirection(
        hexconv::Translations::rightToLeft() != reversed ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace

void Catalogue::load(const QStringList& uiLanguages) {
    std::vector<std::string> wanted;
    wanted.reserve(static_cast<std::size_t>(uiLanguages.size()));
    for (const QString& language : uiLanguages) {
        // After a language that it does not know (LANGUAGE=tlh:pl), Qt lists "C" in its place:
        // the user's next language, not English, is the next choice.
        if (language != QLatin1String("C") || wanted.empty()) {
            wanted.push_back(language.toStdString());
        }
    }
    hexconv::Translations::choose(wanted);
    applyDirection();
    std::unique_ptr<QTranslator>& qt = qtCatalogue();
    if (qt && QCoreApplication::instance() != nullptr) {
        QCoreApplication::removeTranslator(qt.get());
    }
    qt.reset();
    const QString language = QString::fromUtf8(hexconv::Translations::language());
    if (language.isEmpty()) {
        return;
    }
    auto next = std::make_unique<QTranslator>();
    if (next->load(QStringLiteral("qtbase_") + language,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt = std::move(next);
    }
}

void Catalogue::install() {
    // First, while Qt's direction is still its own (-reverse), then again over the direction that
    // Qt reads from its catalogue for the language.
    applyDirection();
    if (const auto& qt = qtCatalogue()) {
        QCoreApplication::installTranslator(qt.get());
    }
    applyDirection();
}

QString Catalogue::text(const hexconv::MessageText& message,
                        const std::vector<hexconv::MessageArgument>& arguments) {
    return QString::fromStdString(hexconv::Translations::text(message, arguments));
}

QString Catalogue::text(const hexconv::MessageText& message, const QStringList& arguments) {
    std::vector<hexconv::MessageArgument> strings;
    strings.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString& argument : arguments) {
        strings.emplace_back(argument.toStdString());
    }
    return text(message, strings);
}
