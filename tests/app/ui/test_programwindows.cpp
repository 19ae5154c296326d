#include "app/ui/programwindows.h"
#include "data/datafolder.h"

#include "scriptedmessages.h"
#include "testdatabase.h"
#include "widgetchecks.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::app;

namespace {

QWidget* shownMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("Frm_Principal") && w->isVisible())
            return w;
    }
    return nullptr;
}

}

TEST(ProgramWindows, EachAltKeyOpensOneThingInTheMainWindow)
{
    test::TestDatabase t;
    test::ScriptedMessages boxes;
    std::unique_ptr<QWidget> window(createProgramMainWindow(t.database(), DataFolder(t.folder())));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_EQ(test::duplicates(test::mnemonics(window.get())), QStringList());
}

TEST(ProgramWindows, TheMainWindowComesBackFromTheBackupWindowWhereItWas)
{
    test::TestDatabase t;
    test::ScriptedMessages boxes;
    QPointer<QWidget> window = createProgramMainWindow(t.database(), DataFolder(t.folder()));
    window->setGeometry(120, 90, 900, 600);
    window->show();
    QApplication::processEvents();
    const QRect before = window->geometry();

    QStringList backupKeys;
    QPoint backupCentre;
    test::onModal([&](QDialog* backup) {
        backupKeys = test::mnemonics(backup);
        backupCentre = backup->frameGeometry().center();
        backup->accept();
    });
    QMenu* archivo = window->findChild<QMenuBar*>()->actions().front()->menu();
    archivo->actions().front()->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull() && shownMainWindow(); }, 5000));

    EXPECT_EQ(test::duplicates(backupKeys), QStringList());
    EXPECT_LE((backupCentre - before.center()).manhattanLength(), 40);
    std::unique_ptr<QWidget> fresh(shownMainWindow());
    EXPECT_EQ(fresh->geometry(), before);
}
