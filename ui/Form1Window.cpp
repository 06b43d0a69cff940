// SPDX-License-Identifier: MIT
#include "Form1Window.h"

#include "AppIcon.h"
#include "Catalogue.h"
#include "CharacterDescription.h"
#include "CharacterName.h"
#include "FailureHost.h"
#include "Form1Accessible.h"
#include "Form1Description.h"
#include "OptionButton.h"
#include "SystemPalette.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

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
    return QRect(Description::pixels(at.left, logicalDpi), Description::pixels(at.top, logicalDpi),
                 Description::pixels(at.width, logicalDpi),
                 Description::pixels(at.height, logicalDpi));
}

template <typename Widget> Widget* place(Widget* control, const Description::Item& item) {
    control->setObjectName(QString::fromLatin1(item.name));
    control->setGeometry(logicalPixels(item.place));
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
    // field holding a long paste repaints (as its caret blinks) in a fraction of the time.
    font.setStyleStrategy(QFont::PreferNoShaping);
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

    connect(button(Control::Command1), &QPushButton::clicked, this,
            [this] { form_.Command1_Click(); });
    connect(button(Control::Command2), &QPushButton::clicked, this,
            [this] { form_.Command2_Click(); });
    connect(button(Control::Command3), &QPushButton::clicked, this,
            [this] { form_.Command3_Click(); });
    for (const auto& entry : {std::pair{Option::Option1, &Form1::Option1_Click},
                              std::pair{Option::Option3, &Form1::Option3_Click}}) {
        const auto handler = entry.second;
        connect(option(entry.first), &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected) {
                (form_.*handler)();
            }
        });
        // A click on the option already selected changes nothing, so Qt reports no toggle; it
        // still runs the handler, which puts the caret back into the field. A click that does
        // select runs it a second time, to the same state.
        connect(option(entry.first), &QRadioButton::clicked, this,
                [this, handler] { (form_.*handler)(); });
    }
    // A control character or a no-break space draws as nothing: say which character it is.
    connect(field(Field::Text1), &QLineEdit::textChanged, this,
            &Form1Window::describeCharacterField);
    describeCharacterField();
}

std::u32string Form1Window::readText(Field field) const {
    return this->field(field)->text().toStdU32String();
}

void Form1Window::replaceText(Field field, const std::u32string& text) {
    this->field(field)->setText(QString::fromStdU32String(text));
}

void Form1Window::setBackgroundColour(Field field, SystemColour colour) {
    QLineEdit* control = this->field(field);
    backgrounds_.insert_or_assign(control, colour);
    applyBackground(control);
}

void Form1Window::setLocked(Field field, bool locked) {
    this->field(field)->setReadOnly(locked);
}

void Form1Window::setTabStop(Field field, bool tabStop) {
    this->field(field)->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form1Window::giveFocus(Field field) {
    this->field(field)->setFocus(Qt::OtherFocusReason);
}

void Form1Window::selectWholeText(Field field) {
    this->field(field)->selectAll();
}

bool Form1Window::isSelected(Option option) const {
    return this->option(option)->isChecked();
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
    return qobject_cast<OptionButton*>(
        controls_[option == Option::Option1 ? Control::Option1 : Control::Option3]);
}

QPushButton* Form1Window::button(Control control) const {
    return qobject_cast<QPushButton*>(controls_[control]);
}

void Form1Window::describeCharacterField() {
    const auto note = hexconv::CharacterDescription::note(
        CharacterName::describe(CharacterName::firstCharacter(field(Field::Text1)->text()))
            .toStdString(),
        form_.codePage());
    const QString description = Catalogue::text(note.text, note.arguments);
    field(Field::Text1)->setToolTip(description);
    field(Field::Text1)->setAccessibleDescription(description);
}

void Form1Window::applyBackground(QLineEdit* field) {
    const auto found = backgrounds_.find(field);
    if (found == backgrounds_.end()) {
        return;
    }
    const QColor background = SystemPalette::resolve(found->second, palette());
    // A palette with only these two roles set, so that every other role still follows the window.
    QPalette colours;
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, SystemPalette::readableTextOn(background, palette()));
    field->setPalette(colours);
}

bool Form1Window::focusNextPrevChild(bool next) {
    const std::optional<Control> current = controls_.controlOf(focusWidget());
    if (const std::optional<Control> stop = form_.nextTabStop(current, next)) {
        controls_[*stop]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void Form1Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (started_) {
        return;
    }
    started_ = true;
    // The first control in tab order takes the focus, and focus arriving selects it: the window
    // opens in character mode. Selecting directly as well covers a window that is not yet active.
    option(Option::Option1)->setFocus(Qt::OtherFocusReason);
    option(Option::Option1)->select();
}

void Form1Window::closeEvent(QCloseEvent* event) {
    form_.closed();
    event->accept();
}

void Form1Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        // The backgrounds are references into the system scheme: resolve them again.
        for (const auto& entry : backgrounds_) {
            applyBackground(entry.first);
        }
    }
}
