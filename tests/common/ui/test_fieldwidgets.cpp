#include "common/ui/fieldkeyfilter.h"
#include "common/ui/identifieredit.h"
#include "common/ui/requiredfields.h"

#include "scriptedmessages.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ventrix;

namespace {

// A small window with an identifier field followed by a plain field.
struct Form
{
    Form()
    {
        auto* layout = new QFormLayout(&window);
        cuit = new IdentifierEdit(IdentifierKind::Cuit);
        other = new QLineEdit;
        layout->addRow(QStringLiteral("CUIT:"), cuit);
        layout->addRow(QStringLiteral("Otro:"), other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        cuit->setFocus(Qt::OtherFocusReason);
    }
    QWidget window;
    IdentifierEdit* cuit;
    QLineEdit* other;
};

}

TEST(IdentifierEdit, RefusedNumberIsEmptiedWhenLeft)
{
    Form form;
    QSignalSpy refused(form.cuit, &IdentifierEdit::refused);
    EXPECT_EQ(form.cuit->displayText(), QStringLiteral("__-________/_"));
    QTest::keyClicks(form.cuit, QStringLiteral("20123456785"));
    EXPECT_EQ(form.cuit->displayText(), QStringLiteral("20-12345678/5"));
    form.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(form.cuit->displayText(), QStringLiteral("__-________/_"));
    EXPECT_EQ(form.cuit->value(), QString());

    form.cuit->setFocus(Qt::TabFocusReason);
    form.cuit->setCursorPosition(0);
    QTest::keyClicks(form.cuit, QStringLiteral("20123456786"));
    form.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(form.cuit->value(), QStringLiteral("20-12345678/6"));
    EXPECT_EQ(
        form.cuit->metaObject()->userProperty().read(form.cuit).toString(), QStringLiteral("20-12345678/6"));
}

TEST(IdentifierEdit, EmptyAndPartlyTypedFields)
{
    Form form;
    QSignalSpy refused(form.cuit, &IdentifierEdit::refused);
    form.other->setFocus(Qt::TabFocusReason); // left untouched: accepted
    EXPECT_EQ(refused.count(), 0);

    form.cuit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(form.cuit, QStringLiteral("2012"));
    // Moving to another window does not leave the field.
    form.other->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(refused.count(), 0);
    EXPECT_FALSE(form.cuit->validate());
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(form.cuit->value(), QString());

    IdentifierEdit agent(IdentifierKind::Agente);
    agent.setValue(QStringLiteral("12341"));
    EXPECT_EQ(agent.displayText(), QStringLiteral("1234/1"));
    EXPECT_TRUE(agent.validate());
    agent.setValue(QString());
    EXPECT_EQ(agent.displayText(), QStringLiteral("____/_"));
}

TEST(IdentifierEdit, ClickInEmptyFieldTypesFromTheFirstPlace)
{
    Form form;
    form.other->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(form.cuit, Qt::LeftButton, {}, QPoint(form.cuit->width() - 4, form.cuit->height() / 2));
    QTest::keyClicks(form.cuit, QStringLiteral("20123456786"));
    EXPECT_EQ(form.cuit->value(), QStringLiteral("20-12345678/6"));

    // A click inside a typed number keeps the place clicked.
    form.cuit->setCursorPosition(5);
    QTest::mouseClick(form.cuit, Qt::LeftButton, {}, QPoint(form.cuit->width() - 4, form.cuit->height() / 2));
    EXPECT_NE(form.cuit->cursorPosition(), 0);
}

TEST(FieldKeyFilter, KeysAreFilteredAndEnterMovesOn)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* integer = new QLineEdit;
    auto* date = new QLineEdit;
    auto* rate = new QLineEdit;
    auto* cuit = new IdentifierEdit(IdentifierKind::Cuit);
    for (QWidget* w : { static_cast<QWidget*>(integer), static_cast<QWidget*>(date),
             static_cast<QWidget*>(rate), static_cast<QWidget*>(cuit) })
        layout->addWidget(w);
    FieldKeyFilter::install(integer, FieldKeys::Integer);
    FieldKeyFilter::install(date, FieldKeys::Date);
    FieldKeyFilter::install(rate, FieldKeys::Decimal);
    FieldKeyFilter::install(cuit, FieldKeys::Text);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    integer->setFocus();
    QTest::keyClicks(integer, QStringLiteral("12a -3,"));
    QTest::keyClick(integer, Qt::Key_Backspace);
    EXPECT_EQ(integer->text(), QStringLiteral("12 -"));
    QTest::keyClick(integer, Qt::Key_Return);
    EXPECT_TRUE(date->hasFocus());

    QTest::keyClicks(date, QStringLiteral("05-03/2024x"));
    EXPECT_EQ(date->text(), QStringLiteral("0503/2024"));
    QTest::keyClick(date, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(rate->hasFocus());

    QTest::keyClicks(rate, QStringLiteral("3.5%"));
    EXPECT_EQ(rate->text(), QStringLiteral("3,5"));
    QTest::keyClick(rate, Qt::Key_Return);
    ASSERT_TRUE(cuit->hasFocus());

    // Enter leaves the identifier field, which checks it.
    QSignalSpy refused(cuit, &IdentifierEdit::refused);
    QTest::keyClicks(cuit, QStringLiteral("20123456785"));
    QTest::keyClick(cuit, Qt::Key_Return);
    EXPECT_FALSE(cuit->hasFocus());
    EXPECT_EQ(refused.count(), 1);
}

TEST(RequiredFields, NamesFocusesAndShowsTheFirstMissingField)
{
    test::ScriptedMessages messages;
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    auto* personal = new QWidget;
    auto* personalLayout = new QFormLayout(personal);
    auto* name = new QLineEdit;
    auto* label = new QLabel(QStringLiteral("&Apellido y Nombre:"));
    label->setBuddy(name);
    personalLayout->addRow(label, name);
    auto* unused = new QLineEdit; // hidden by the screen: not asked for
    personalLayout->addRow(QStringLiteral("Oculto"), unused);
    unused->hide();
    auto* fiscal = new QWidget;
    auto* fiscalLayout = new QFormLayout(fiscal);
    auto* cuit = new IdentifierEdit(IdentifierKind::Cuit);
    cuit->setAccessibleName(QStringLiteral("CUIT"));
    auto* province = new QComboBox;
    province->addItems({ QStringLiteral("VALDERA"), QStringLiteral("CHACO") });
    province->setCurrentIndex(-1);
    province->setObjectName(QStringLiteral("Cbo_Provincia"));
    fiscalLayout->addRow(QStringLiteral("CUIT"), cuit);
    fiscalLayout->addRow(province);
    tabs->addTab(personal, QStringLiteral("Personales"));
    tabs->addTab(fiscal, QStringLiteral("Fiscales"));
    for (QWidget* w : { static_cast<QWidget*>(name), static_cast<QWidget*>(unused),
             static_cast<QWidget*>(cuit), static_cast<QWidget*>(province) })
        RequiredFields::mark(w);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    EXPECT_FALSE(RequiredFields::check(&window));
    EXPECT_EQ(messages.last(), QStringLiteral("Debe completar el campo \"Apellido y Nombre\"..."));
    EXPECT_TRUE(name->hasFocus());

    name->setText(QStringLiteral("PEREZ JUAN"));
    EXPECT_FALSE(RequiredFields::check(&window));
    EXPECT_EQ(messages.last(), QStringLiteral("Debe completar el campo \"CUIT\"..."));
    EXPECT_EQ(tabs->currentWidget(), fiscal);
    EXPECT_TRUE(cuit->hasFocus());

    cuit->setValue(QStringLiteral("20-12345678/6"));
    EXPECT_EQ(RequiredFields::firstMissing(&window), province);
    EXPECT_EQ(RequiredFields::fieldName(province), QStringLiteral("Cbo_Provincia"));
    province->setCurrentIndex(0);
    messages.clear();
    EXPECT_TRUE(RequiredFields::check(&window));
    EXPECT_TRUE(messages.shown().isEmpty());
}
