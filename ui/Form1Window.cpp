// SPDX-License-Identifier: MIT
#include "Form1Window.h"

#include "AppIcon.h"
#include "Catalogue.h"
#include "CharacterName.h"
#include "FailureHost.h"
#include "Form1Accessible.h"
#include "Form1Description.h"
#include "OptionButton.h"
#include "SystemPalette.h"
#include "Translations.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using hexconv::Control;
using hexconv::Field;
using hexconv::Form1;
using hexconv::Option;
using hexconv::SystemColour;

namespace {

using Description = hexconv::Form1Description;

// Qt scales logical pixels on high-density screens: the layout is laid out at 96 dots per inch.
QRect logicalPixels(const Description::Twips& at) {
    constexpr int logicalDpi = 96;
    const Description::Pixels pixels = Description::pixels(at, logicalDpi);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

template <typename Widget> Widget* place(Widget* control, const Description::Item& item) {
    control->setObjectName(QString::fromLatin1(item.name));
    // Names a screen reader can speak where the caption alone ("Copy", none) says too little.
    if (item.accessibleName) {
        control->setAccessibleName(Catalogue::text(*item.accessibleName));
    }
    return control;
}

QString captionOf(Control control) {
    const auto& caption = Description::of(control).caption;
    return caption ? Catalogue::text(*caption) : QString();
}

QLineEdit* newField(QWidget* parent, Field field) {
    const Description::Item& item = Description::of(field);
    auto* control = place(new QLineEdit(parent), item);
    control->setMaxLength(Form1::inputLimitOf(field));
    if (item.leftToRight) {
        control->setLayoutDirection(Qt::LeftToRight);
    }
    if (Description::isHidden(field)) {
        // The conversions' working storage, out of reach of every key.
        control->setFocusPolicy(Qt::NoFocus);
        control->hide();
    }
    return control;
}

OptionButton* newOption(QWidget* parent, Control control) {
    return place(new OptionButton(captionOf(control), parent), Description::of(control));
}

QPushButton* newButton(QWidget* parent, Control control) {
    auto* button = place(new QPushButton(captionOf(control), parent), Description::of(control));
    // A click leaves the caret where the user types; Tab still reaches the button.
    button->setFocusPolicy(Qt::TabFocus);
    // Outside a dialog an auto-default button is pressed by Enter only while it has the focus:
    // there is still no default button, so Enter in a field presses nothing.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

QFont windowFont() {
    QFont font(QString::fromLatin1(Description::WindowFont.face));
    font.setStyleHint(QFont::SansSerif); // where the face is missing, the system's sans-serif
    // Single characters and hex digits need neither shaping nor kerning, and without them a
    // field holding a long paste repaints (as its caret blinks) in a fraction of the time. Arabic
    // letters join only where shaped: a language written from right to left keeps shaping.
    if (!hexconv::Translations::rightToLeft()) {
        font.setStyleStrategy(QFont::PreferNoShaping);
    }
    font.setKerning(false);
    constexpr double centipointsPerPoint = 100.0;
    font.setPointSizeF(Description::WindowFont.centipoints / centipointsPerPoint);
    font.setWeight(static_cast<QFont::Weight>(Description::WindowFont.weight));
    return font;
}

} // namespace

Form1Window::Form1Window(hexconv::CodePage codePage, QWidget* parent)
    : QWidget(parent), form_(*this, codePage) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&Form1Accessible::factory);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);

    setWindowTitle(QString::fromUtf8(Description::Title));
    setWindowIcon(AppIcon::icon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(logicalPixels(Description::ClientArea).size());
    setFont(windowFont());

    // Created in Form1's tab order, so Qt's own focus chain agrees with focusNextPrevChild below;
    // the hidden fields last.
    controls_[Control::Option1] = newOption(this, Control::Option1);
    controls_[Control::Option3] = newOption(this, Control::Option3);
    option(Option::Option1)->pairWith(option(Option::Option3));
    controls_[Control::Text1] = newField(this, Field::Text1);
    controls_[Control::Text3] = newField(this, Field::Text3);
    for (const Control each : {Control::Command1, Control::Command2, Control::Command3}) {
        controls_[each] = newButton(this, each);
    }
    controls_[Field::Text2] = newField(this, Field::Text2);
    controls_[Field::Text4] = newField(this, Field::Text4);

    for (const Control each : Form1::TabOrder) {
        if (auto* clickable = qobject_cast<QAbstractButton*>(controls_[each])) {
            connect(clickable, &QAbstractButton::clicked, this,
                    [this, each] { form_.clicked(each); });
        }
    }
    for (const Control each : {Control::Option1, Control::Option3}) {
        connect(qobject_cast<OptionButton*>(controls_[each]), &OptionButton::focusArrived, this,
                [this, each] { form_.focusArrived(each); });
    }
    for (const Field each : {Field::Text1, Field::Text3}) {
        connect(field(each), &QLineEdit::textChanged, this, [this, each] { form_.edited(each); });
    }
    connect(field(Field::Text1), &QLineEdit::textChanged, this,
            [this] { followTextDirection(field(Field::Text1)); });
    placeControls();
}

// Where the window is laid out from right to left, each control stands where a mirror puts it.
void Form1Window::placeControls() {
    for (std::size_t slot = 0; slot < Description::Slots; ++slot) {
        controls_[slot]->setGeometry(
            QStyle::visualRect(layoutDirection(), logicalPixels(Description::ClientArea),
                               logicalPixels(Description::of(slot).place)));
    }
}

// A field written in the window's direction while empty, then in its text's own: a Latin letter
// reads from left to right in a Hebrew window, a Hebrew one from right to left in an English one.
void Form1Window::followTextDirection(QLineEdit* field) {
    const QString text = field->text();
    if (text.isEmpty()) {
        field->unsetLayoutDirection();
    } else {
        field->setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    }
}

std::u32string Form1Window::readText(Field field) const {
    return this->field(field)->text().toStdU32String();
}

void Form1Window::replaceText(Field field, const std::u32string& text) {
    this->field(field)->setText(QString::fromStdU32String(text));
}

void Form1Window::setBackgroundColour(Field field, SystemColour colour) {
    const QColor background = SystemPalette::resolve(colour, palette());
    // A palette with only these two roles set, so that every other role still follows the window.
    QPalette colours;
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, SystemPalette::readableTextOn(background, palette()));
    this->field(field)->setPalette(colours);
}

void Form1Window::setLocked(Field field, bool locked) {
    this->field(field)->setReadOnly(locked);
}

void Form1Window::setTabStop(Field field, bool tabStop) {
    this->field(field)->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form1Window::giveFocus(Control control, hexconv::FocusMove move) {
    // A move by Tab draws the focus frame, as Qt draws it for keyboard focus.
    controls_[control]->setFocus(move == hexconv::FocusMove::Tab       ? Qt::TabFocusReason
                                 : move == hexconv::FocusMove::BackTab ? Qt::BacktabFocusReason
                                                                       : Qt::OtherFocusReason);
}

void Form1Window::selectWholeText(Field field) {
    this->field(field)->selectAll();
}

bool Form1Window::isSelected(Option option) const {
    return this->option(option)->isChecked();
}

void Form1Window::selectOption(Option option) {
    this->option(option)->setChecked(true);
}

void Form1Window::eventYield() {
    QCoreApplication::processEvents();
}

void Form1Window::setInputLimit(Field field, int limit) {
    this->field(field)->setMaxLength(limit);
}

std::u32string Form1Window::firstCharacter(const std::u32string& text) const {
    return CharacterName::firstCharacter(QString::fromStdU32String(text)).toStdU32String();
}

std::string Form1Window::unicodeName(char32_t codePoint) const {
    return CharacterName::unicodeName(codePoint);
}

void Form1Window::setCharacterNote(const std::string& note) {
    const QString text = QString::fromStdString(note);
    field(Field::Text1)->setToolTip(text);
    field(Field::Text1)->setAccessibleDescription(text);
}

void Form1Window::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void Form1Window::setClipboardText(const std::u32string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdU32String(text));
}

void Form1Window::reportFailure(const std::exception_ptr& failure) {
    FailureHost::report(this, failure);
}

QLineEdit* Form1Window::field(Field field) const {
    return qobject_cast<QLineEdit*>(controls_[field]);
}

OptionButton* Form1Window::option(Option option) const {
    return qobject_cast<OptionButton*>(controls_[Description::controlOf(option)]);
}

bool Form1Window::focusNextPrevChild(bool next) {
    return form_.tabPressed(controls_.controlOf(focusWidget()), next);
}

void Form1Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    form_.opened();
}

void Form1Window::closeEvent(QCloseEvent* event) {
    form_.closed();
    event->accept();
}

void Form1Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        placeControls();
    }
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        form_.schemeChanged();
    }
}
