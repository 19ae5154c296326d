#include "data/backuparchive.h"
#include "data/backupflow.h"
#include "data/backupmessages.h"
#include "data/backupverify.h"
#include "data/crashpoint.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zipOne(const QString& zipPath, const QByteArray& bytes)
{
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(zipPath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(z, nullptr);
    void* copy = malloc(static_cast<size_t>(bytes.size()));
    memcpy(copy, bytes.constData(), static_cast<size_t>(bytes.size()));
    zip_source_t* s = zip_source_buffer(z, copy, static_cast<zip_uint64_t>(bytes.size()), 1);
    ASSERT_GE(zip_file_add(z, "Impuest.db", s, 0), 0);
    ASSERT_EQ(zip_close(z), 0);
}

// Runs statements on a plain connection, outside the program's checks, and closes it.
void rawExec(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("raw"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString& s : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(qs("raw"));
}

QStringList names(const QString& path, const QString& table = qs("CMD"))
{
    QStringList out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("names"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(qs("SELECT CMD_Contribuyente FROM ") + table + qs(" ORDER BY CMD_ID"));
        while (q.next())
            out << q.value(0).toString();
        db.close();
    }
    QSqlDatabase::removeDatabase(qs("names"));
    return out;
}

void addTaxpayer(QSqlDatabase db, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(qs("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"));
    q.addBindValue(name);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
}

// Runs body in a child process and returns its exit code; the child ends without cleaning up,
// as a crash would.
int inChild(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int modeOf(const QString& path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

struct Fixture
{
    test::TestDatabase db;
    DataFolder folder { db.folder() };
    BackupStore store { folder, &db.database() };
    test::ScriptedMessages messages;
    QTemporaryDir work;

    QString archive() const { return work.filePath(qs("Impuest.zip")); }
    // A verified copy of the current database, as a backup would hold it.
    QString goodCopy()
    {
        QString error;
        EXPECT_TRUE(store.copyToHardDisk({}, &error)) << error.toStdString();
        const QString copy = work.filePath(qs("copia.db"));
        QFile::remove(copy);
        QFile::copy(store.hardDiskCopyPath(), copy);
        return copy;
    }
    bool restore()
    {
        BackupFlow::Hooks hooks;
        hooks.chooseArchive = [this] { return std::optional<QString>(archive()); };
        messages.answer(Answer::Yes);
        return BackupFlow(store, BackupVolumes(QStringList {}), hooks).RecupDeDiskette();
    }
    QStringList leftovers() const { return QDir(folder.path()).entryList({ qs("*.tmp-*") }, QDir::Files); }
};

}

TEST(RestoreSafety, HostileDatabasesAreRefusedAndTheCurrentOneStaysByteIdentical)
{
    Fixture f;
    addTaxpayer(f.db.db(), qs("ACTUAL"));
    const QString good = f.goodCopy();
    const QList<QPair<const char*, QStringList>> attacks {
        { "disparador", { qs("CREATE TRIGGER borra AFTER INSERT ON Indices BEGIN DELETE FROM CMD; END") } },
        { "vista en lugar de tabla",
            { qs("DROP TABLE Indices"),
                qs("CREATE VIEW Indices AS SELECT '2026-01-01' AS Fecha, 1 AS Indice, 1 AS Tasa") } },
        { "columna faltante", { qs("ALTER TABLE CMD DROP COLUMN CMD_Te") } },
        { "columna de más", { qs("ALTER TABLE CMD ADD COLUMN Extra TEXT") } },
        { "índice ajeno", { qs("CREATE INDEX ajeno ON CMD (CMD_Te)") } },
        { "texto en número", { qs("UPDATE Indices SET Tasa = 'tres' WHERE rowid = 1") } },
        { "fecha inválida", { qs("UPDATE Indices SET Fecha = '2026-02-30' WHERE rowid = 1") } },
        { "historia con hueco", { qs("DELETE FROM Indices WHERE rowid = 5") } },
        { "iteraciones gigantes",
            { qs("INSERT INTO CMD (CMD_Contribuyente, CMD_PassWord) VALUES "
                 "('X', 'pbkdf2-sha256$2000000000$c2FsdA==$aGFzaA==')") } },
    };
    const QByteArray before = readAll(f.folder.databasePath());
    for (const auto& [label, statements] : attacks) {
        SCOPED_TRACE(label);
        const QString hostile = f.work.filePath(qs("hostil.db"));
        QFile::remove(hostile);
        ASSERT_TRUE(QFile::copy(good, hostile));
        rawExec(hostile, statements);
        zipOne(f.archive(), readAll(hostile));
        f.messages.clear();
        EXPECT_FALSE(f.restore());
        ASSERT_FALSE(f.messages.shown().isEmpty());
        EXPECT_TRUE(f.messages.last().startsWith(qs("Archivo dañado...\n")))
            << f.messages.last().toStdString();
        EXPECT_EQ(readAll(f.folder.databasePath()), before);
        EXPECT_TRUE(f.leftovers().isEmpty());
    }
}

TEST(RestoreSafety, AnEmptySchemaAndTrailingDataAreRefused)
{
    Fixture f;
    const QByteArray before = readAll(f.folder.databasePath());
    const QString empty = f.work.filePath(qs("vacia.db"));
    rawExec(empty, { qs("PRAGMA user_version = 2"), qs("CREATE TABLE t (x)"), qs("DROP TABLE t") });
    QByteArray padded = readAll(f.goodCopy());
    padded.append(QByteArray(4 * 1024 * 1024, '\0'));
    for (const QByteArray& bytes : { readAll(empty), padded }) {
        zipOne(f.archive(), bytes);
        f.messages.clear();
        EXPECT_FALSE(f.restore());
        EXPECT_TRUE(f.messages.last().startsWith(qs("Archivo dañado...\n")))
            << f.messages.last().toStdString();
        EXPECT_EQ(readAll(f.folder.databasePath()), before);
        EXPECT_TRUE(f.leftovers().isEmpty());
    }
}

TEST(RestoreSafety, AHostileFilePlacedByHandIsRefusedAtOpening)
{
    Fixture f;
    f.db.database().close();
    rawExec(f.folder.databasePath(),
        { qs("CREATE TRIGGER borra AFTER INSERT ON Indices BEGIN DELETE FROM CMD; END") });
    const QByteArray before = readAll(f.folder.databasePath());
    Database database(qs("otra"));
    const OpenResult opened = database.open(f.folder.databasePath());
    EXPECT_EQ(opened.failure, OpenFailure::NotADatabase);
    EXPECT_TRUE(opened.reason.contains(qs("el disparador borra"))) << opened.reason.toStdString();
    EXPECT_EQ(readAll(f.folder.databasePath()), before);
}

TEST(RestoreSafety, AFullDiskIsNotADamagedArchive)
{
    Fixture f;
    zipOne(f.archive(), readAll(f.goodCopy()));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool restored = f.restore();
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(restored);
    EXPECT_TRUE(f.messages.last().startsWith(qs("Descompresión incompleta...\n")))
        << f.messages.last().toStdString();
    EXPECT_TRUE(f.leftovers().isEmpty());
}

// A crash at each step of a restore loses nothing committed: not the rows still in the log of
// the current database, not the previous database, and the database left in place opens.
TEST(RestoreSafety, ACrashBetweenTheStepsOfARestoreLosesNothingCommitted)
{
    for (const char* step : { "restore:previous-kept", "restore:log-removed", "restore:replaced" }) {
        SCOPED_TRACE(step);
        Fixture f;
        addTaxpayer(f.db.db(), qs("A"));
        QString error;
        ASSERT_TRUE(f.store.backupTo(f.archive(), {}, &error)) << error.toStdString();
        f.db.database().close();
        // A program that committed a row and died before folding its log into the file.
        ASSERT_EQ(inChild([&] {
            QSqlDatabase db = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("muere"));
            db.setDatabaseName(f.folder.databasePath());
            db.open();
            QSqlQuery(qs("PRAGMA wal_autocheckpoint = 0"), db);
            QSqlQuery q(qs("INSERT INTO CMD (CMD_Contribuyente) VALUES ('EN EL REGISTRO')"), db);
            return q.isActive() ? 0 : 1;
        }),
            0);
        ASSERT_GT(QFileInfo(f.folder.databasePath() + qs("-wal")).size(), 0);

        EXPECT_EQ(inChild([&] {
            crashpoint::install([step](const char* reached) {
                if (std::strcmp(reached, step) == 0)
                    _exit(42);
            });
            BackupStore store(f.folder, nullptr);
            QString e;
            PreparedRestore prepared = store.prepareRestore(f.archive(), {}, &e);
            return prepared.isValid() && store.applyRestore(std::move(prepared), &e) ? 0 : 1;
        }),
            42);

        Database reopened(qs("reabierta"));
        ASSERT_TRUE(reopened.open(f.folder.databasePath()).ok());
        reopened.close();
        const QStringList kept = f.folder.previousDatabases();
        ASSERT_EQ(kept.size(), 1);
        EXPECT_TRUE(verifyBackupDatabase(kept.front()).ok());
        EXPECT_EQ(names(kept.front()), (QStringList { qs("A"), qs("EN EL REGISTRO") }));
        const QStringList current = names(f.folder.databasePath());
        if (QByteArray(step) == "restore:replaced")
            EXPECT_EQ(current, QStringList { qs("A") });
        else
            EXPECT_EQ(current, (QStringList { qs("A"), qs("EN EL REGISTRO") }));
    }
}

TEST(RestoreSafety, EveryRestoreKeepsADatedCopyAndOnlyTheLastFew)
{
    Fixture f;
    QString error;
    ASSERT_TRUE(f.store.backupTo(f.archive(), {}, &error));
    for (int i = 0; i < 5; ++i) {
        addTaxpayer(f.db.db(), qs("T%1").arg(i));
        ASSERT_TRUE(f.restore()) << f.messages.last().toStdString();
    }
    const QStringList kept = f.folder.previousDatabases();
    ASSERT_EQ(kept.size(), DataFolder::KeptPreviousDatabases);
    for (const QString& copy : kept) {
        EXPECT_FALSE(QFile::exists(copy + qs("-wal")));
        EXPECT_TRUE(verifyBackupDatabase(copy).ok());
        EXPECT_EQ(modeOf(copy), 0600);
    }
    EXPECT_EQ(names(kept.front()), QStringList { qs("T4") }); // newest first
}

TEST(RestoreSafety, ARestoreWaitsForNoOneAndRefusesWhileAnotherProcessWrites)
{
    Fixture f;
    QString error;
    ASSERT_TRUE(f.store.backupTo(f.archive(), {}, &error));
    f.db.database().close();
    int toChild[2];
    int toParent[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(toParent), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        QSqlDatabase db = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("escritor"));
        db.setDatabaseName(f.folder.databasePath());
        db.open();
        QSqlQuery(qs("BEGIN IMMEDIATE"), db);
        QSqlQuery(qs("INSERT INTO CMD (CMD_Contribuyente) VALUES ('DEL OTRO')"), db);
        char c = 'x';
        (void)!write(toParent[1], &c, 1);
        (void)!read(toChild[0], &c, 1);
        QSqlQuery commit(qs("COMMIT"), db);
        _exit(commit.isActive() ? 0 : 1);
    }
    char c = 0;
    ASSERT_EQ(read(toParent[0], &c, 1), 1);
    BackupStore store(f.folder, nullptr);
    PreparedRestore prepared = store.prepareRestore(f.archive(), {}, &error);
    ASSERT_TRUE(prepared.isValid()) << error.toStdString();
    EXPECT_FALSE(store.applyRestore(std::move(prepared), &error));
    EXPECT_TRUE(error.startsWith(qs("La base de datos está en uso por otro programa")))
        << error.toStdString();
    (void)!write(toChild[1], &c, 1);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(names(f.folder.databasePath()), QStringList { qs("DEL OTRO") });
    EXPECT_TRUE(f.folder.previousDatabases().isEmpty());
}

TEST(BackupSafety, TheDatabaseAndItsWorkingFilesAreNeverATarget)
{
    Fixture f;
    const QByteArray before = readAll(f.folder.databasePath());
    const QString link = f.work.filePath(qs("enlace.zip"));
    ASSERT_TRUE(QFile::link(f.folder.databasePath(), link));
    const QString db = f.folder.databasePath();
    for (const QString& target :
        QStringList { db, db + qs("-wal"), db + qs("-shm"), f.folder.lockPath(), link }) {
        SCOPED_TRACE(target.toStdString());
        QString error;
        EXPECT_FALSE(f.store.backupTo(target, {}, &error));
        EXPECT_TRUE(error.startsWith(qs("El Backup no puede guardarse sobre los archivos de trabajo")))
            << error.toStdString();
    }
    EXPECT_EQ(readAll(db), before);
}

TEST(BackupSafety, FilesArePrivateWhateverTheUmaskAndNoneIsWidened)
{
    const mode_t old = umask(022);
    {
        Fixture f;
        QString error;
        EXPECT_EQ(modeOf(f.folder.databasePath()), 0600);
        ASSERT_TRUE(f.store.backupTo(f.archive(), {}, &error));
        EXPECT_EQ(modeOf(f.archive()), 0600);
        ASSERT_TRUE(f.store.copyToHardDisk({}, &error));
        EXPECT_EQ(modeOf(f.store.hardDiskCopyPath()), 0600);
        ASSERT_TRUE(f.restore());
        EXPECT_EQ(modeOf(f.folder.databasePath()), 0600);
        EXPECT_EQ(modeOf(f.folder.previousDatabases().front()), 0600);

        ASSERT_EQ(::chmod(QFile::encodeName(f.archive()).constData(), 0400), 0);
        ASSERT_TRUE(f.store.backupTo(f.archive(), {}, &error));
        EXPECT_EQ(modeOf(f.archive()), 0400);
    }
    umask(old);
}

TEST(BackupSafety, PiecesOfAnInterruptedRunAreRemovedNextTime)
{
    Fixture f;
    const QString stale = f.folder.databasePath() + qs(".tmp-0123456789ab");
    const QString staleCopy = QDir(f.folder.archivosPath()).filePath(qs("Impuest.db.tmp-0123456789ab"));
    const QString staleZip = f.archive() + qs(".tmp-0123456789ab");
    QDir().mkpath(f.folder.archivosPath());
    for (const QString& path : { stale, staleCopy, staleZip }) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("datos de contribuyentes");
    }
    f.folder.removeLeftovers();
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_FALSE(QFile::exists(staleCopy));
    QString error;
    ASSERT_TRUE(f.store.backupTo(f.archive(), {}, &error));
    EXPECT_FALSE(QFile::exists(staleZip));
    EXPECT_EQ(QDir(f.work.path()).entryList({ qs("*.tmp-*") }, QDir::Files), QStringList {});
}
