// SPDX-License-Identifier: MIT
// One of the programs the start-up benchmarks launch: the real converter window in the code page
// and the language of the locale, as the program starts it; with EMPTY_WINDOW a bare window of
// the same size and title; with PLAIN_CONTROLS a plain Qt window with the same controls,
// captions, places and font and none of the program's own work. Each prints the monotonic clock
// at its first painted frame; with --stay it then goes on idling until it is killed.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if defined(PLAIN_CONTROLS)
#include "Form1Description.h"
#include "Translations.h"

#include <QLocale>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#elif !defined(EMPTY_WINDOW)
#include "Catalogue.h"
#include "Form1Window.h"
#include "SystemCodePage.h"

#include <QLocale>
#endif

#ifdef HEXCONV_CALLGRIND
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

namespace {

class FirstFrame : public QObject {
public:
    explicit FirstFrame(bool stay) : stay_(stay) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so the time is taken after this frame's painting and flush have finished.
            QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        // Under callgrind, the instructions counted are those up to this frame.
        CALLGRIND_TOGGLE_COLLECT;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        if (!stay_) {
            QCoreApplication::quit();
        }
    }

    bool stay_;
    bool seen_ = false;
};

#ifdef PLAIN_CONTROLS
// The converter's controls as plain Qt widgets, placed at 96 dots per inch.
void addControls(QWidget& window) {
    using Description = hexconv::Form1Description;
    const auto place = [](QWidget* control, const Description::Item& item, bool visible = true) {
        control->setGeometry(
            Description::pixels(item.place.left, 96), Description::pixels(item.place.top, 96),
            Description::pixels(item.place.width, 96), Description::pixels(item.place.height, 96));
        control->setVisible(visible);
    };
    for (const Description::Item& item : Description::Controls) {
        const QString caption =
            item.caption ? QString::fromStdString(hexconv::Translations::text(*item.caption))
                         : QString();
        switch (item.kind) {
        case Description::Kind::OptionButton:
            place(new QRadioButton(caption, &window), item);
            break;
        case Description::Kind::TextBox:
            place(new QLineEdit(&window), item);
            break;
        case Description::Kind::PushButton:
            place(new QPushButton(caption, &window), item);
            break;
        }
    }
    for (const Description::Item& item : Description::HiddenFields) {
        place(new QLineEdit(&window), item, false);
    }
    QFont font(QString::fromLatin1(Description::WindowFont.face));
    font.setPointSizeF(Description::WindowFont.centipoints / 100.0);
    font.setWeight(static_cast<QFont::Weight>(Description::WindowFont.weight));
    window.setFont(font);
}
#endif

} // namespace

int main(int argc, char* argv[]) {
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
#if !defined(EMPTY_WINDOW) && !defined(PLAIN_CONTROLS)
    Catalogue::load(QLocale::system().uiLanguages());
#endif
    QApplication application(argc, argv);
#if !defined(EMPTY_WINDOW) && !defined(PLAIN_CONTROLS)
    Catalogue::install();
#endif
#if defined(EMPTY_WINDOW) || defined(PLAIN_CONTROLS)
    QWidget window;
    window.setWindowTitle(QStringLiteral("Hex Converter"));
    window.setFixedSize(301, 158);
#ifdef PLAIN_CONTROLS
    // The captions the user reads, in the locale's language: text of another script costs its
    // font whichever program draws it.
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages()) {
        languages.push_back(language.toStdString());
    }
    hexconv::Translations::choose(languages);
    addControls(window);
#endif
#else
    Form1Window window(hexconv::SystemCodePage::forLocaleVariables(
        std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG")));
#endif
    FirstFrame probe(stay);
    window.installEventFilter(&probe);
    window.show();
    return application.exec();
}
