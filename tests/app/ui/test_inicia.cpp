#include "app/ui/helpviewer.h"
#include "app/ui/inicia.h"
#include "app/ui/startupflow.h"
#include "common/appinfo.h"
#include "common/helpids.h"
#include "common/version.h"
#include "data/autobackup.h"
#include "data/backupverify.h"
#include "scriptedmessages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::app;

namespace {

// Saves a picture of the widget when VENTRIX_SHOTS names a folder, to look at by eye.
void shoot(QWidget* w, const QString& name)
{
    const QString folder = qEnvironmentVariable("VENTRIX_SHOTS");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

struct Flow
{
    QTemporaryDir dir;
    DataFolder folder { dir.filePath(QStringLiteral("datos")) };
    test::ScriptedMessages messages;
    std::unique_ptr<StartupFlow> flow;
    std::optional<StartupWindow> handed;

    void start()
    {
        flow = std::make_unique<StartupFlow>(
            StartupContext { dir.filePath(QStringLiteral("ventrix")), {}, folder }, StartupHooks {});
        QObject::connect(flow.get(), &StartupFlow::handedOver, [this](StartupWindow w) { handed = w; });
        ASSERT_TRUE(flow->start([](const QString&, const QStringList&) { return false; }));
        ASSERT_TRUE(QTest::qWaitFor([this] { return flow->splash()->isVisible(); }));
        QTest::qWait(50); // the checks run as the splash's activation
    }
};

}

TEST(Inicia, WaitsForAClickOrAKey)
{
    Inicia splash;
    splash.show();
    int continued = 0;
    splash.waitForUser([&] { ++continued; });
    shoot(&splash, QStringLiteral("inicia"));
    EXPECT_EQ(continued, 0);
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(continued, 1);
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(continued, 1);

    // A click during the checks is remembered.
    Inicia early;
    early.show();
    QTest::mouseClick(&early, Qt::LeftButton);
    early.waitForUser([&] { ++continued; });
    EXPECT_EQ(continued, 2);
}

TEST(Inicia, FirstStartHandsOverToTheMainWindowAfterAKey)
{
    Flow f;
    f.start();
    EXPECT_FALSE(f.handed);
    EXPECT_TRUE(f.messages.shown().isEmpty()) << f.messages.last().toStdString();
    EXPECT_TRUE(verifyBackupDatabase(f.folder.databasePath()).ok());
    QTest::keyClick(f.flow->splash(), Qt::Key_Return);
    ASSERT_EQ(f.handed, StartupWindow::Principal);
    ASSERT_NE(f.flow->chosenWindow(), nullptr);
    EXPECT_EQ(f.flow->chosenWindow()->windowTitle(),
        QStringLiteral("Ventrix - Versión ") + QString::fromLatin1(VersionText) + QStringLiteral(" -"));
    EXPECT_TRUE(f.flow->chosenWindow()->isVisible());
    EXPECT_FALSE(f.flow->splash()->isVisible());
    shoot(f.flow->chosenWindow(), QStringLiteral("principal"));

    // Leaving the program leaves a dated copy among the automatic backups.
    f.flow->backUpOnLeaving();
    const QList<AutomaticBackup> taken = automaticBackups(f.folder);
    ASSERT_EQ(taken.size(), 1);
    EXPECT_EQ(taken.front().reason, QStringLiteral("salida"));
    EXPECT_TRUE(f.messages.shown().isEmpty()) << f.messages.last().toStdString();
}

TEST(Inicia, LostDatabaseHandsOverToTheBackupWindow)
{
    Flow f;
    QDir().mkpath(f.folder.path());
    QString error;
    ASSERT_TRUE(f.folder.markDatabaseCreated(&error));
    f.start();
    EXPECT_EQ(f.messages.texts(),
        QStringList { QStringLiteral("Base de datos no econtrada...\nRecuperar desde el Backup ...") });
    QTest::mouseClick(f.flow->splash(), Qt::LeftButton);
    ASSERT_EQ(f.handed, StartupWindow::Backup);
    EXPECT_EQ(f.flow->chosenWindow()->objectName(), QStringLiteral("Frm_Backup"));
    // The update can bring a program that opens the database again.
    auto* update = f.flow->chosenWindow()->findChild<QPushButton*>(QStringLiteral("Cmd_ActualizarWeb"));
    ASSERT_NE(update, nullptr);
    EXPECT_TRUE(update->isVisible());

    // Without a database there is nothing to copy on leaving, and nothing to tell.
    f.messages.clear();
    f.flow->backUpOnLeaving();
    EXPECT_TRUE(automaticBackups(f.folder).isEmpty());
    EXPECT_TRUE(f.messages.shown().isEmpty());
}

TEST(HelpViewer, EveryContextHasAPageAndF1OpensTheWindowsOwn)
{
    Ayuda_Iniciar();
    for (int id : { helpid::Principal, helpid::IdContrib, helpid::Password, helpid::Indices, helpid::Backup,
             helpid::Preview, helpid::PrintScreen, helpid::BorrarContribuyente, helpid::InfoComplementaria,
             helpid::Agentes, helpid::Pagos }) {
        const QString page = HelpViewer::pageFor(id);
        EXPECT_NE(page, QStringLiteral("index.html")) << id;
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + page)) << page.toStdString();
    }
    EXPECT_EQ(HelpViewer::pageFor(9999), QStringLiteral("index.html"));

    QWidget screen;
    screen.setProperty(HelpContextProperty, helpid::Backup);
    screen.show();
    QApplication::setActiveWindow(&screen);
    screen.setFocus();
    QTest::keyClick(&screen, Qt::Key_F1);
    auto* viewer = qobject_cast<HelpViewer*>(topLevel(QStringLiteral("HelpViewer")));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->currentPage(), QStringLiteral("backup.html"));
    shoot(viewer, QStringLiteral("ayuda"));
    Ayuda_Indice();
    EXPECT_EQ(viewer->currentPage(), QStringLiteral("index.html"));
    Ayuda_Cerrar();
    EXPECT_FALSE(viewer->isVisible());
}
