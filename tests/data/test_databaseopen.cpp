#include "testdatabase.h"

#include "data/migrations.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

QByteArray checksum(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs sql on a plain connection to the file, outside the program's checks.
void rawExec(const QString& path, const QStringList& statements, int upToVersion = 0)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("raw"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QString error;
        if (upToVersion > 0) {
            ASSERT_TRUE(applyMigrations(db, &error, upToVersion)) << error.toStdString();
        }
        for (const QString& s : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(s)) << q.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(qs("raw"));
}

// A finished database file of the current version, closed.
QString goodDatabase(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(qs("Impuest.db"));
    Database db(qs("maker"));
    EXPECT_TRUE(db.create(path, {}).ok());
    db.close();
    return path;
}

struct Refused
{
    OpenResult result;
    bool untouched;
};

Refused openExpectingRefusal(const QString& path)
{
    const QByteArray before = checksum(path);
    Database db(qs("refusing"));
    const OpenResult r = db.open(path);
    db.close();
    return { r, checksum(path) == before && !QFile::exists(path + qs("-wal")) };
}

}

TEST(DatabaseOpen, VersionOneGainsAnEmptyPasswordColumnAndKeepsItsRows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(qs("Impuest.db"));
    rawExec(path,
        { qs("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Pérez Juan')"),
            qs("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Gómez Ana')") },
        1);

    Database db;
    ASSERT_TRUE(db.open(path).ok());
    EXPECT_EQ(db.schemaVersion(), Database::latestSchemaVersion());
    const QSqlRecord cmd = db.connection().record(qs("CMD"));
    EXPECT_GE(cmd.indexOf(qs("CMD_PassWord")), 0);
    QSqlQuery q(qs("SELECT COUNT(*), COUNT(CMD_PassWord) FROM CMD"), db.connection());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 2);
    EXPECT_EQ(q.value(1).toInt(), 0);
    QSqlQuery type(
        qs("SELECT type FROM pragma_table_info('CMD') WHERE name = 'CMD_PassWord'"), db.connection());
    ASSERT_TRUE(type.next());
    EXPECT_EQ(type.value(0).toString(), qs("TEXT(20)"));
}

TEST(DatabaseOpen, AgregaCampoLeavesADatabaseThatHasTheColumnAlone)
{
    test::TestDatabase t;
    const auto schemaText = [&] {
        QSqlQuery q(qs("SELECT group_concat(sql, ';') FROM sqlite_master"), t.db());
        return q.next() ? q.value(0).toString() : QString();
    };
    const QString before = schemaText();
    QString error;
    EXPECT_TRUE(AgregaCampo(t.db(), &error)) << error.toStdString();
    EXPECT_EQ(schemaText(), before);
    // Spelled with other capitals it is still the same column to SQLite.
    test::TestDatabase other(qs("other"));
    QSqlQuery(qs("ALTER TABLE CMD RENAME COLUMN CMD_PassWord TO cmd_password"), other.db());
    EXPECT_TRUE(AgregaCampo(other.db(), &error)) << error.toStdString();
}

TEST(DatabaseOpen, ReopeningAGoodDatabaseChangesNothingInItsData)
{
    QTemporaryDir dir;
    const QString path = goodDatabase(dir);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { qs("Impuest.db") });
    Database db;
    ASSERT_TRUE(db.open(path).ok());
    QSqlQuery q(qs("SELECT COUNT(*) FROM Nomencla"), db.connection());
    ASSERT_TRUE(q.next());
    EXPECT_GE(q.value(0).toInt(), 300);
}

TEST(DatabaseOpen, BadFilesAreRefusedAndLeftUntouched)
{
    QTemporaryDir dir;
    const QString good = goodDatabase(dir);
    const QByteArray bytes = readFile(good);
    ASSERT_GT(bytes.size(), 8192);

    struct Case
    {
        const char* name;
        QByteArray content;
        OpenFailure expected;
    };
    QByteArray corrupt = bytes;
    // Overwrite a whole page in the middle of the file: the header stays valid, a tree does not.
    const int page = 4096;
    const int middle = (bytes.size() / page / 2) * page;
    for (int i = middle; i < middle + page; ++i)
        corrupt[i] = char(0x5A);
    const QList<Case> cases = {
        { "empty", QByteArray(), OpenFailure::NotADatabase },
        { "text", QByteArray("CUIT;Nombre\r\n20-12345678-6;Pérez\r\n"), OpenFailure::NotADatabase },
        { "zip", QByteArray("PK\x03\x04", 4) + QByteArray(5000, 'x'), OpenFailure::NotADatabase },
        { "truncated", bytes.left(bytes.size() / 2 + 100), OpenFailure::Corrupt },
        { "truncated at a page", bytes.left(4096 * 3), OpenFailure::Corrupt },
        { "corrupt", corrupt, OpenFailure::Corrupt },
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(qs(c.name) + qs(".db"));
        writeFile(path, c.content);
        const Refused r = openExpectingRefusal(path);
        EXPECT_EQ(r.result.failure, c.expected) << c.name << ": " << r.result.reason.toStdString();
        EXPECT_FALSE(r.result.reason.isEmpty()) << c.name;
        EXPECT_TRUE(r.untouched) << c.name;
        EXPECT_EQ(readFile(path), c.content) << c.name;
    }
}

TEST(DatabaseOpen, ForeignAndFutureDatabasesAreRefusedUntouched)
{
    QTemporaryDir dir;
    const QString foreign = dir.filePath(qs("foreign.db"));
    rawExec(foreign, { qs("CREATE TABLE Clientes (Id INTEGER, Nombre TEXT)") });
    Refused r = openExpectingRefusal(foreign);
    EXPECT_EQ(r.result.failure, OpenFailure::NotADatabase);
    EXPECT_TRUE(r.untouched);

    const QString future = goodDatabase(dir);
    rawExec(future,
        { qs("PRAGMA journal_mode = DELETE"),
            qs("PRAGMA user_version = %1").arg(Database::latestSchemaVersion() + 1) });
    r = openExpectingRefusal(future);
    EXPECT_EQ(r.result.failure, OpenFailure::FutureVersion);
    EXPECT_TRUE(r.untouched);
}

TEST(DatabaseOpen, ReadOnlyFileOrFolderIsRefusedWithoutLosingAnything)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    QTemporaryDir dir;
    const QString path = goodDatabase(dir);
    QFile::setPermissions(path, QFile::ReadOwner);
    Refused r = openExpectingRefusal(path);
    EXPECT_EQ(r.result.failure, OpenFailure::ReadOnly);
    EXPECT_TRUE(r.result.reason.contains(qs("solo lectura")));
    EXPECT_TRUE(r.untouched);

    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    r = openExpectingRefusal(path);
    EXPECT_EQ(r.result.failure, OpenFailure::ReadOnly);
    EXPECT_TRUE(r.untouched);
    Database db(qs("create"));
    EXPECT_EQ(db.create(dir.filePath(qs("Nueva.db")), {}).failure, OpenFailure::ReadOnly);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DatabaseOpen, CreateRefusesAnExistingFileAndLeavesNoHalfBuiltFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(qs("Impuest.db"));
    writeFile(path, "no tocar");
    Database db;
    EXPECT_FALSE(db.create(path, {}).ok());
    EXPECT_EQ(readFile(path), QByteArray("no tocar"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { qs("Impuest.db") });
}
