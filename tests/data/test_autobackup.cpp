#include "common/clock.h"
#include "data/autobackup.h"
#include "data/backupflow.h"
#include "data/backupstore.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

int taxpayers(QSqlDatabase db)
{
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM CMD"), db);
    return q.next() ? q.value(0).toInt() : -1;
}

void addTaxpayer(QSqlDatabase db, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"));
    q.addBindValue(name);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
}

// The number of taxpayers in the database an archive holds.
int taxpayersIn(const BackupStore& store, const QString& zip)
{
    QString error;
    PreparedRestore prepared = store.prepareRestore(zip, {}, &error);
    if (!prepared.isValid())
        return -1;
    Database copy(QStringLiteral("autobackup-check"));
    if (!copy.openReadOnly(prepared.path()).ok())
        return -1;
    const int n = taxpayers(copy.connection());
    copy.close();
    return n;
}

struct ClockGuard
{
    FixedClock clock { QDateTime(QDate(2026, 12, 7), QTime(3, 55, 0)) };
    ClockGuard() { Clock::install(&clock); }
    ~ClockGuard() { Clock::install(nullptr); }
};

}

TEST(AutomaticBackup, DatedArchivesInRespaldosAreRestorableAndPrunedToThirtyOldestFirst)
{
    ClockGuard time;
    test::TestDatabase db;
    const DataFolder folder(db.folder());
    const BackupStore store(folder, &db.database());
    addTaxpayer(db.db(), QStringLiteral("PRIMERO"));

    // A piece of a backup interrupted earlier goes away with the next one.
    QDir().mkpath(automaticBackupFolder(folder));
    QFile stale(QDir(automaticBackupFolder(folder))
                    .filePath(QStringLiteral("Impuest-20261201-100000-000-salida.zip.tmp-1a2b3c")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    ASSERT_TRUE(takeAutomaticBackup(db.database(), QStringLiteral("Importación")).ok());
    const QString respaldos = QDir(db.folder()).filePath(QStringLiteral("Archivos/respaldos"));
    EXPECT_EQ(QDir(respaldos).entryList(QDir::Files),
        QStringList { QStringLiteral("Impuest-20261207-035500-000-importacion.zip") });
    EXPECT_EQ(automaticBackups(folder).front().label(), QStringLiteral("07/12/2026 03:55:00 - importacion"));
    addTaxpayer(db.db(), QStringLiteral("SEGUNDO"));
    EXPECT_EQ(taxpayersIn(store, automaticBackups(folder).front().path), 1);

    // Same moment again (a fixed clock): a second, distinct and later name.
    ASSERT_TRUE(takeAutomaticBackup(db.db(), backupreason::marking()).ok());
    EXPECT_EQ(QFileInfo(automaticBackups(folder).front().path).fileName(),
        QStringLiteral("Impuest-20261207-035500-001-marcado.zip"));

    for (int i = 1; i <= 31; ++i) {
        time.clock.set(QDateTime(QDate(2026, 12, 7), QTime(3, 55, 0)).addSecs(60 * i));
        ASSERT_TRUE(takeAutomaticBackup(db.database(), backupreason::leaving()).ok());
    }
    const QList<AutomaticBackup> kept = automaticBackups(folder);
    ASSERT_EQ(kept.size(), 30);
    EXPECT_EQ(QDir(respaldos).entryList(QDir::Files).size(), 30);
    EXPECT_EQ(kept.front().taken, QDateTime(QDate(2026, 12, 7), QTime(4, 26, 0)));
    EXPECT_EQ(kept.back().taken, QDateTime(QDate(2026, 12, 7), QTime(3, 57, 0)));
    EXPECT_FALSE(QFile::exists(
        QDir(respaldos).filePath(QStringLiteral("Impuest-20261207-035500-000-importacion.zip"))));
    EXPECT_EQ(taxpayersIn(store, kept.front().path), 2);
}

TEST(AutomaticBackup, NothingToCopyWithoutAnOpenDatabaseAndForeignFilesAreLeftAlone)
{
    test::TestDatabase db;
    const DataFolder folder(db.folder());
    const QString respaldos = automaticBackupFolder(folder);
    QDir().mkpath(respaldos);
    QFile other(QDir(respaldos).filePath(QStringLiteral("Impuest-mio.zip")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    db.database().close();
    const Status closed = takeAutomaticBackup(db.database(), backupreason::update());
    ASSERT_FALSE(closed.ok());
    EXPECT_EQ(closed.error(), QStringLiteral("La base de datos no está abierta."));
    EXPECT_EQ(QDir(respaldos).entryList(QDir::Files), QStringList { QStringLiteral("Impuest-mio.zip") });
    EXPECT_TRUE(automaticBackups(folder).isEmpty());
}

TEST(AutomaticBackup, ARestoreFirstBacksUpTheDatabaseItReplaces)
{
    test::TestDatabase db;
    test::ScriptedMessages messages;
    const DataFolder folder(db.folder());
    BackupStore store(folder, &db.database());
    QTemporaryDir volume;
    BackupFlow::Hooks hooks;
    BackupFlow flow(store, BackupVolumes({ volume.path() }), hooks);
    ASSERT_TRUE(flow.CopiarDiskette());
    addTaxpayer(db.db(), QStringLiteral("SOLO EN LA PC"));
    EXPECT_TRUE(automaticBackups(folder).isEmpty());

    // Declined: nothing replaced, nothing backed up.
    messages.answer(Answer::No);
    EXPECT_FALSE(flow.RecupDeDiskette());
    EXPECT_TRUE(automaticBackups(folder).isEmpty());

    messages.clear();
    messages.answer(Answer::Yes);
    ASSERT_TRUE(flow.RecupDeDiskette());
    EXPECT_EQ(messages.last(), QStringLiteral("Descompresión finalizada..."));
    EXPECT_EQ(taxpayers(db.db()), 0);
    const QList<AutomaticBackup> taken = automaticBackups(folder);
    ASSERT_EQ(taken.size(), 1);
    EXPECT_EQ(taken.front().reason, QStringLiteral("recuperacion"));
    EXPECT_EQ(taxpayersIn(store, taken.front().path), 1);

    // The automatic backup can itself be restored, bringing the taxpayer back.
    QFile::remove(QDir(volume.path()).filePath(QStringLiteral("Impuest.zip")));
    QFile::copy(taken.front().path, QDir(volume.path()).filePath(QStringLiteral("Impuest.zip")));
    messages.answer(Answer::Yes);
    ASSERT_TRUE(flow.RecupDeDiskette());
    EXPECT_EQ(taxpayers(db.db()), 1);
}
