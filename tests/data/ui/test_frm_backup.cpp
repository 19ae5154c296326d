#include "common/clock.h"
#include "data/autobackup.h"
#include "data/ui/frm_backup.h"
#include "modaldialogs.h"
#include "screenshot.h"
#include "scriptedmessages.h"
#include "testdatabase.h"
#include "widgetchecks.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

TEST(Frm_Backup, ButtonsRunTheFlowAndShowProgress)
{
    test::TestDatabase db;
    test::ScriptedMessages messages;
    QTemporaryDir roots;
    QDir().mkpath(QDir(roots.path()).filePath(QStringLiteral("PENDRIVE")));
    BackupStore store(DataFolder(db.folder()), &db.database());
    Frm_Backup window(store, BackupVolumes({ QDir(roots.path()).filePath(QStringLiteral("PENDRIVE")) }));
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Respaldo y Recuperación de datos"));

    const QList<QPair<QString, QString>> buttons {
        { QStringLiteral("CopiarDiskette"), QStringLiteral("&Copiar en diskette") },
        { QStringLiteral("RecupDeDiskette"), QStringLiteral("&Recuperar de diskette") },
        { QStringLiteral("Cmd_DiscoRigido"), QStringLiteral("Copiar en &Disco Rígido") },
        { QStringLiteral("Command1"), QStringLiteral("&Salir") },
    };
    for (const auto& [name, text] : buttons) {
        auto* b = window.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        EXPECT_EQ(b->text(), text);
    }
    auto* whole = window.findChild<QProgressBar*>(QStringLiteral("Mayor"));
    auto* file = window.findChild<QProgressBar*>(QStringLiteral("Menor"));
    ASSERT_TRUE(whole && file);

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CopiarDiskette")), Qt::LeftButton);
    EXPECT_EQ(messages.last(), QStringLiteral("Backup finalizado con éxito..."));
    EXPECT_EQ(whole->value(), 100);
    EXPECT_TRUE(QFile::exists(QDir(roots.path()).filePath(QStringLiteral("PENDRIVE/Impuest.zip"))));
    if (const QString shots = qEnvironmentVariable("VENTRIX_SHOTS"); !shots.isEmpty() && QDir().mkpath(shots))
        window.grab().save(QDir(shots).filePath(QStringLiteral("frm_backup.png")));

    // Restore chooses from the volume, and a declined question leaves the window as it was.
    messages.clear();
    messages.answer(Answer::No);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("RecupDeDiskette")), Qt::LeftButton);
    EXPECT_EQ(messages.shown().first().text,
        QStringLiteral("Se está por sobreescribir el archivo Impuest.db\nQuiere reemplazarlo..."));
    EXPECT_FALSE(window.restored());
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
}

TEST(Frm_Backup, ANewOperationStartsFromEmptyBarsAndEachAltKeyIsClaimedOnce)
{
    test::TestDatabase db;
    test::ScriptedMessages messages;
    QTemporaryDir roots;
    const QString volume = QDir(roots.path()).filePath(QStringLiteral("PENDRIVE"));
    QDir().mkpath(volume);
    BackupStore store(DataFolder(db.folder()), &db.database());
    Frm_Backup window(store, BackupVolumes({ volume }));
    window.show();
    EXPECT_EQ(test::duplicates(test::mnemonics(&window)), QStringList());

    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CopiarDiskette")), Qt::LeftButton);
    auto* whole = window.findChild<QProgressBar*>(QStringLiteral("Mayor"));
    ASSERT_EQ(whole->value(), 100);
    messages.answer(Answer::No); // the restore is declined before any progress
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("RecupDeDiskette")), Qt::LeftButton);
    EXPECT_EQ(whole->value(), 0);
    EXPECT_EQ(window.findChild<QProgressBar*>(QStringLiteral("Menor"))->value(), 0);
}

TEST(Frm_Backup, WithoutAnArchiveOnAVolumeTheRestoreOffersTheAutomaticBackups)
{
    test::TestDatabase db;
    test::ScriptedMessages messages;
    FixedClock clock(QDateTime(QDate(2026, 12, 7), QTime(3, 55, 0)));
    Clock::install(&clock);
    ASSERT_TRUE(takeAutomaticBackup(db.database(), backupreason::leaving()).ok());
    Clock::install(nullptr);
    QSqlQuery insert(db.db());
    ASSERT_TRUE(insert.exec(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('DESPUES')")));

    BackupStore store(DataFolder(db.folder()), &db.database());
    Frm_Backup window(store, BackupVolumes(QStringList()));
    window.show();
    test::ModalDialogs modals;
    modals.expect([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Recuperar un respaldo"));
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("Lst_Respaldos"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 1);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral("07/12/2026 03:55:00 - salida"));
        test::saveScreenshot(dialog, QStringLiteral("frm_respaldos"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Cmd_Recuperar")), Qt::LeftButton);
    });
    messages.answer(Answer::Yes);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("RecupDeDiskette")), Qt::LeftButton);
    EXPECT_TRUE(modals.allOpened());
    EXPECT_EQ(messages.texts(),
        (QStringList { QStringLiteral("No se encontro disquete en la/s disquetera/s..."),
            QStringLiteral("Se está por sobreescribir el archivo Impuest.db\nQuiere reemplazarlo..."),
            QStringLiteral("Descompresión finalizada...") }));
    EXPECT_TRUE(window.restored());
    QSqlQuery count(QStringLiteral("SELECT COUNT(*) FROM CMD"), db.db());
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.value(0).toInt(), 0);
}
