// SPDX-License-Identifier: MIT
#include "Form1.h"

#include "AppIcon.h"
#include "CharacterName.h"
#include "CodePage.h"
#include "Conversions.h"
#include "FailureHost.h"
#include "Form1Accessible.h"
#include "OptionButton.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <limits>

using hexconv::CodePage;
using hexconv::Conversions;
using hexconv::Value;

namespace {

// The layout is designed in twips; at 96 dots per inch 15 twips make one logical pixel, and Qt
// scales logical pixels on high-density screens.
QRect twips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

template <typename Control> Control* place(Control* control, const char* name, const QRect& rect) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    return control;
}

constexpr int unlimited = std::numeric_limits<int>::max();

QLineEdit* newField(QWidget* parent, const char* name, const QRect& rect, int limit) {
    auto* field = place(new QLineEdit(parent), name, rect);
    field->setMaxLength(limit);
    return field;
}

// The decimal and binary fields are the conversions' working storage: beyond the right edge,
// hidden, and out of reach of every key.
QLineEdit* newHiddenField(QWidget* parent, const char* name) {
    auto* field = newField(parent, name, twips(4800, 0, 1215, 375), unlimited);
    field->setFocusPolicy(Qt::NoFocus);
    field->hide();
    return field;
}

QPushButton* newButton(QWidget* parent, const QString& caption, const char* name,
                       const QRect& rect) {
    auto* button = place(new QPushButton(caption, parent), name, rect);
    // A click leaves the caret where the user types; Tab still reaches the button.
    button->setFocusPolicy(Qt::TabFocus);
    // Outside a dialog an auto-default button is pressed by Enter only while it has the focus:
    // there is still no default button, so Enter in a field presses nothing.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&Form1Accessible::factory);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);

    setWindowTitle(QStringLiteral("Hex Converter"));
    setWindowIcon(AppIcon::icon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twips(0, 0, 4515, 2370).size());

    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif); // where Tahoma is missing, the system's sans-serif
    // Single characters and hex digits need neither shaping nor kerning, and without them a
    // field holding a long paste repaints (as its caret blinks) in a fraction of the time.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Bold);
    setFont(font);

    // Created in tab order, so Qt's own focus chain agrees with focusNextPrevChild below.
    Option1 = place(new OptionButton(QStringLiteral("ASCII"), this), "Option1",
                    twips(120, 960, 1575, 495));
    Option3 = place(new OptionButton(QStringLiteral("Hex Decimal"), this), "Option3",
                    twips(120, 360, 1695, 495));
    Option1->pairWith(Option3);
    Text1 = newField(this, "Text1", twips(1800, 1080, 1215, 405), InputLimit);
    Text3 = newField(this, "Text3", twips(1800, 480, 1215, 375), InputLimit);
    Command1 =
        newButton(this, QStringLiteral("Calculate"), "Command1", twips(360, 1800, 3735, 375));
    Command2 = newButton(this, QStringLiteral("Copy"), "Command2", twips(3120, 1080, 1215, 375));
    Command3 = newButton(this, QStringLiteral("Copy"), "Command3", twips(3120, 480, 1215, 375));

    // Names a screen reader can speak where the captions alone ("Copy", no caption) say too little.
    Text1->setAccessibleName(tr("Character"));
    Text3->setAccessibleName(tr("Hex digits"));
    Command2->setAccessibleName(tr("Copy character"));
    Command3->setAccessibleName(tr("Copy hex digits"));

    Text2 = newHiddenField(this, "Text2");
    Text4 = newHiddenField(this, "Text4");

    connect(Command1, &QPushButton::clicked, this, [this] { run([this] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { run([this] { Command2_Click(); }); });
    connect(Command3, &QPushButton::clicked, this, [this] { run([this] { Command3_Click(); }); });
    connect(Option1, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            run([this] { Option1_Click(); });
        }
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected) {
            run([this] { Option3_Click(); });
        }
    });
    // A click on the option already selected changes nothing, so Qt reports no toggle; it still
    // runs the handler, which puts the caret back into the field. A click that does select runs
    // it a second time, to the same state.
    connect(Option1, &QRadioButton::clicked, this, [this] { run([this] { Option1_Click(); }); });
    connect(Option3, &QRadioButton::clicked, this, [this] { run([this] { Option3_Click(); }); });
    // A control character or a no-break space draws as nothing: say which character it is.
    connect(Text1, &QLineEdit::textChanged, this, &Form1::describeCharacterField);
}

Value Form1::DecToBin(const Value& dec) {
    return Conversions::DecToBin(dec, [this] { yieldToEvents(); });
}

Value Form1::BinToDec(const Value& bin) {
    return Conversions::BinToDec(bin, [this] { yieldToEvents(); });
}

Value Form1::BinToHex(const Value& hexval) {
    return Conversions::BinToHex(hexval);
}

Value Form1::HexToBin(const Value& hex) {
    return Conversions::HexToBin(hex, [this] { yieldToEvents(); });
}

void Form1::Command1_Click() {
    if (Option1->isChecked() && Text1->text().isEmpty()) {
        return;
    }
    if (Option3->isChecked() && Text3->text().isEmpty()) {
        return;
    }
    // Two independent tests, not one choice: a switch to hex mode during the character chain's
    // yields makes the hex chain run next. Every step reads its field only when it runs.
    if (Option1->isChecked()) {
        const QString first = CharacterName::firstCharacter(Text1->text());
        write(Text2, Value::textForm(CodePage::codeOfCharacter(first.toStdU32String())));
        write(Text4, DecToBin(Value(textOf(Text2))).toText());
        write(Text3, BinToHex(Value(textOf(Text4))).toText());
    }
    if (Option3->isChecked()) {
        if (textOf(Text3).size() != 2) {
            write(Text3, U"0" + textOf(Text3));
        }
        write(Text4, HexToBin(Value(textOf(Text3))).toText());
        write(Text2, BinToDec(Value(textOf(Text4))).toText());
        const double code = Value(textOf(Text2)).toNumber();
        write(Text1, std::u32string(1, CodePage::characterFor(code)));
    }
}

void Form1::Command2_Click() {
    copyToClipboard(Text1);
}

void Form1::Command3_Click() {
    copyToClipboard(Text3);
}

void Form1::Option1_Click() {
    setField(Text1, ActiveBackground, false, true);
    giveFocus(Text1);
    setField(Text3, InactiveBackground, true, false);
}

void Form1::Option3_Click() {
    setField(Text1, InactiveBackground, true, false);
    setField(Text3, ActiveBackground, false, true);
    giveFocus(Text3);
}

// The handler boundary: no exception may cross Qt's event dispatch.
template <typename Handler> void Form1::run(Handler handler) {
    if (closed_) {
        return;
    }
    std::exception_ptr failure;
    try {
        handler();
    } catch (const ClosedDuringYield&) {
        return;
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure && !closed_) {
        FailureHost::report(this, failure);
        // Back to the input, ready for the corrected text.
        if (QLineEdit* input = inputField(); input != nullptr && !closed_) {
            giveFocus(input);
        }
    }
}

void Form1::yieldToEvents() {
    QCoreApplication::processEvents();
    if (closed_) {
        throw ClosedDuringYield{};
    }
}

QLineEdit* Form1::inputField() const {
    return Option1->isChecked() ? Text1 : Option3->isChecked() ? Text3 : nullptr;
}

// The whole text is selected, so that what the user types next replaces it.
void Form1::giveFocus(QLineEdit* field) {
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void Form1::describeCharacterField() {
    const QString description =
        CharacterName::describe(CharacterName::firstCharacter(Text1->text()));
    Text1->setToolTip(description);
    Text1->setAccessibleDescription(description);
}

void Form1::setField(QLineEdit* field, SystemColour background, bool locked, bool tabStop) {
    backgrounds_.insert_or_assign(field, background);
    applyBackground(field);
    field->setReadOnly(locked);
    field->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form1::applyBackground(QLineEdit* field) {
    const auto found = backgrounds_.find(field);
    if (found == backgrounds_.end()) {
        return;
    }
    const QColor background = found->second.resolve(palette());
    // A palette with only these two roles set, so that every other role still follows the window.
    QPalette colours;
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, SystemColour::readableTextOn(background, palette()));
    field->setPalette(colours);
}

bool Form1::isTabStop(QWidget* control) const {
    if (control == Option1 || control == Option3) {
        // The option group is one stop: its selected option, or the first while none is.
        const bool noneSelected = !Option1->isChecked() && !Option3->isChecked();
        return (control == Option1 ? Option1 : Option3)->isChecked() ||
               (noneSelected && control == Option1);
    }
    return control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) != 0;
}

bool Form1::focusNextPrevChild(bool next) {
    const std::array<QWidget*, 7> order = {Option1,  Option3,  Text1,   Text3,
                                           Command1, Command2, Command3};
    const int count = static_cast<int>(order.size());
    const auto* const current = std::find(order.begin(), order.end(), focusWidget());
    const int from = current != order.end() ? static_cast<int>(current - order.begin())
                     : next                 ? -1
                                            : count;
    for (int step = 1; step <= count; ++step) {
        QWidget* candidate = order[((from + (next ? step : -step)) % count + count) % count];
        if (isTabStop(candidate)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (started_) {
        return;
    }
    started_ = true;
    // The first control in tab order takes the focus, and focus arriving selects it: the window
    // opens in character mode. Selecting directly as well covers a window that is not yet active.
    Option1->setFocus(Qt::OtherFocusReason);
    Option1->select();
}

void Form1::closeEvent(QCloseEvent* event) {
    closed_ = true;
    event->accept();
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        // The backgrounds are references into the system scheme: resolve them again.
        for (const auto& entry : backgrounds_) {
            applyBackground(entry.first);
        }
    }
}

void Form1::copyToClipboard(const QLineEdit* field) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(field->text());
}

std::u32string Form1::textOf(const QLineEdit* field) {
    return field->text().toStdU32String();
}

// The limit holds back what the user types and pastes; the program's own writes are never cut,
// so a full hex field given its leading "0" keeps its last digit.
void Form1::write(QLineEdit* field, const std::u32string& text) {
    const QString value = QString::fromStdU32String(text);
    const bool visible = field == Text1 || field == Text3;
    const int limit = std::max(visible ? InputLimit : unlimited, static_cast<int>(value.size()));
    if (limit > field->maxLength()) {
        field->setMaxLength(limit);
    }
    field->setText(value);
    if (limit < field->maxLength()) {
        field->setMaxLength(limit);
    }
}
