// SPDX-License-Identifier: MIT
#include "Form1Fixture.h"

#include <QAccessible>

#include <map>
#include <set>

namespace {

using Accessibility = Form1Fixture;

struct Exposed {
    QString name;
    QAccessible::Role role;
};

std::map<QString, Exposed> exposedControls(Form1Window& form) {
    std::map<QString, Exposed> exposed;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent()->object(), &form);
        exposed[child->object()->objectName()] = {child->text(QAccessible::Name), child->role()};
    }
    // Just outside either end there is no child, as a screen reader walking them may ask.
    EXPECT_EQ(window->child(-1), nullptr);
    EXPECT_EQ(window->child(window->childCount()), nullptr);
    return exposed;
}

TEST_F(Accessibility, EveryVisibleControlHasASpeakableName) {
    const std::map<QString, Exposed> expected = {
        {"Option1", {"ASCII", QAccessible::RadioButton}},
        {"Option3", {"Hex Decimal", QAccessible::RadioButton}},
        {"Text1", {"Character", QAccessible::EditableText}},
        {"Text3", {"Hex digits", QAccessible::EditableText}},
        {"Command1", {"Calculate", QAccessible::Button}},
        {"Command2", {"Copy character", QAccessible::Button}},
        {"Command3", {"Copy hex digits", QAccessible::Button}},
    };
    const std::map<QString, Exposed> exposed = exposedControls(*form);
    ASSERT_EQ(exposed.size(), expected.size());
    for (const auto& [objectName, want] : expected) {
        ASSERT_TRUE(exposed.count(objectName)) << objectName.toStdString() << " is not exposed";
        EXPECT_EQ(exposed.at(objectName).name, want.name) << objectName.toStdString();
        EXPECT_EQ(exposed.at(objectName).role, want.role) << objectName.toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.get())->text(QAccessible::Name),
              "Hex Converter");
}

TEST_F(Accessibility, FieldValueIsReadable) {
    type("A");
    calculate();
    QAccessibleInterface* hex = QAccessible::queryAccessibleInterface(field("Text3"));
    EXPECT_EQ(hex->text(QAccessible::Value), "41");
}

} // namespace
