#include "common/help.h"
#include "common/ui/elidedlabel.h"
#include "common/ui/modulewindow.h"
#include "common/ui/timedstatusline.h"

#include "scriptedmessages.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace ventrix;

namespace {

class RecordingHelp : public HelpService
{
public:
    RecordingHelp() { HelpService::install(this); }
    ~RecordingHelp() override { HelpService::install(nullptr); }
    void openContext(int id) override { contexts << id; }
    void openIndex() override { ++indexes; }
    void close() override { }
    QList<int> contexts;
    int indexes = 0;
};

// A small taxpayer screen: two bound fields, one required, and a field outside the record.
class Screen : public ModuleWindow
{
public:
    Screen()
        : ModuleWindow(QStringLiteral("Frm_Prueba"), QStringLiteral("Prueba"), 4242)
    {
        auto* form = new QFormLayout(this);
        name = bind(new QLineEdit(this), QStringLiteral("CMD_Contribuyente"), FieldKeys::Text, true);
        phone = bind(new QLineEdit(this), QStringLiteral("CMD_Te"), FieldKeys::Integer);
        search = new QLineEdit(this);
        enterMovesOn(search);
        save = new QPushButton(QStringLiteral("&Guardar"), this);
        form->addRow(QStringLiteral("Identificación:"), name);
        form->addRow(QStringLiteral("Teléfono:"), phone);
        form->addRow(QStringLiteral("Buscar:"), search);
        form->addRow(save);
        form->addRow(statusLine());
        hoverText(save, QStringLiteral("  Guardar los datos..."));
        askBeforeLeaving(QStringLiteral("¿Salir?"));
        show();
        QApplication::setActiveWindow(this);
        EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    }
    QLineEdit* name;
    QLineEdit* phone;
    QLineEdit* search;
    QPushButton* save;
};

}

TEST(ModuleWindow, BoundFieldsLoadReadAndMoveOnWithEnter)
{
    Screen screen;
    EXPECT_EQ(screen.name->objectName(), QStringLiteral("CMD_Contribuyente"));
    screen.loadFields(QStringLiteral("CMD"),
        { { QStringLiteral("cmd_contribuyente"), QStringLiteral("Peña, María") },
            { QStringLiteral("CMD_Te"), QStringLiteral("4223344") } });
    EXPECT_EQ(screen.name->text(), QStringLiteral("Peña, María"));
    EXPECT_FALSE(screen.isModified());

    screen.name->setFocus();
    QTest::keyClick(screen.name, Qt::Key_Return);
    EXPECT_TRUE(screen.phone->hasFocus());
    QTest::keyClicks(screen.phone, QStringLiteral("5x5")); // replaces the selected text, drops letters
    QTest::keyClick(screen.phone, Qt::Key_Enter);
    EXPECT_TRUE(screen.search->hasFocus());
    EXPECT_TRUE(screen.isModified());
    const FieldValues read = screen.readFields(QStringLiteral("CMD"));
    EXPECT_EQ(read.keys(), (QStringList { QStringLiteral("CMD_Contribuyente"), QStringLiteral("CMD_Te") }));
    EXPECT_EQ(read.value(QStringLiteral("CMD_Te")).toString(), QStringLiteral("55"));
}

TEST(ModuleWindow, LeavingWithChangesAsksAndNoKeepsTheScreen)
{
    test::ScriptedMessages boxes;
    Screen screen;
    QTest::keyClick(&screen, Qt::Key_Escape); // nothing typed: leaves without asking
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_FALSE(screen.isVisible());

    screen.show();
    screen.name->setFocus();
    QTest::keyClicks(screen.name, QStringLiteral("Acme"));
    QTest::keyClick(screen.name, Qt::Key_Escape);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().front().text, QStringLiteral("¿Salir?"));
    EXPECT_EQ(boxes.shown().front().defaultAnswer, Answer::No);
    EXPECT_TRUE(screen.isVisible());

    boxes.answer(Answer::Yes);
    screen.reject();
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Rejected);
}

TEST(ModuleWindow, F1RequiredFieldsAndTheStatusLine)
{
    RecordingHelp help;
    test::ScriptedMessages boxes;
    Screen screen;
    screen.phone->setFocus();
    QTest::keyClick(screen.phone, Qt::Key_F1);
    EXPECT_EQ(help.contexts, QList<int> { 4242 });

    EXPECT_FALSE(screen.checkRequired());
    EXPECT_TRUE(screen.name->hasFocus());
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Debe completar el campo \"Identificación\"...") });
    screen.name->setText(QStringLiteral("Acme"));
    EXPECT_TRUE(screen.checkRequired());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(screen.save, &enter);
    EXPECT_EQ(screen.statusLine()->text(), QStringLiteral("  Guardar los datos..."));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(screen.save, &leave);
    EXPECT_TRUE(screen.statusLine()->text().isEmpty());
}

TEST(ElidedLabel, ALongTextDoesNotWidenItsWindow)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* label = new ElidedLabel(&window);
    layout->addWidget(new QLabel(QStringLiteral("Contribuyente seleccionado:"), &window));
    layout->addWidget(label, 1);
    const int before = window.minimumSizeHint().width();
    label->setFullText(QStringLiteral("  ") + QString(300, u'M'));
    EXPECT_EQ(window.minimumSizeHint().width(), before);
    window.resize(400, 60);
    window.show();
    QApplication::processEvents();
    EXPECT_LE(window.width(), 400);
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("…")));
    EXPECT_LT(label->fontMetrics().horizontalAdvance(label->text()), 400);
    EXPECT_EQ(label->fullText(), QStringLiteral("  ") + QString(300, u'M'));
}
