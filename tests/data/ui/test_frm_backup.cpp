#include "data/ui/frm_backup.h"
#include "scriptedmessages.h"
#include "testdatabase.h"
#include "widgetchecks.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
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
