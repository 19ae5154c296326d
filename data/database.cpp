#include "data/database.h"

#include "data/backupfiles.h"
#include "data/databasefilecheck.h"
#include "data/dataresources.h"
#include "data/migrations.h"
#include "data/referencedata.h"
#include "data/schemaguard.h"
#include "data/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace ventrix::data {
namespace {

bool pragma(QSqlDatabase db, const QString& statement, QString* error = nullptr)
{
    QSqlQuery q(db);
    if (q.exec(statement))
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

void removeDatabaseFiles(const QString& path)
{
    for (const QString& suffix :
        { QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal") })
        QFile::remove(path + suffix);
}

OpenFailure classify(const QString& reason)
{
    if (reason.contains(QStringLiteral("not a database"), Qt::CaseInsensitive))
        return OpenFailure::NotADatabase;
    if (reason.contains(QStringLiteral("malformed"), Qt::CaseInsensitive)
        || reason.contains(QStringLiteral("corrupt"), Qt::CaseInsensitive))
        return OpenFailure::Corrupt;
    if (reason.contains(QStringLiteral("readonly"), Qt::CaseInsensitive)
        || reason.contains(QStringLiteral("read-only"), Qt::CaseInsensitive))
        return OpenFailure::ReadOnly;
    return OpenFailure::Other;
}

// A reader that cannot change the file. A folder nobody may write to cannot hold the log's
// index file: with no log pending, the file is then read as it stands.
void setReadOnly(QSqlDatabase& db, const QString& path)
{
    const QFileInfo file(path);
    const bool logPending = QFileInfo(path + QStringLiteral("-wal")).size() > 0;
    if (logPending || QFileInfo(file.absolutePath()).isWritable()) {
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        return;
    }
    db.setDatabaseName(QStringLiteral("file:")
        + QString::fromUtf8(QUrl::toPercentEncoding(file.absoluteFilePath(), "/"))
        + QStringLiteral("?immutable=1"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
}

}

QString Database::mainConnectionName()
{
    return QStringLiteral("ventrix");
}

Database::Database(QString connectionName)
    : m_name(std::move(connectionName))
{
    initDataResources();
}

Database::~Database()
{
    close();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_name, false);
}

int Database::latestSchemaVersion()
{
    return latestMigration();
}

int Database::schemaVersion() const
{
    QSqlQuery q(QStringLiteral("PRAGMA user_version"), connection());
    return q.next() ? q.value(0).toInt() : -1;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

OpenResult Database::connect(const QString& path)
{
    close();
    m_path = path;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    if (!db.open())
        return { classify(db.lastError().text()), db.lastError().text() };
    QString error;
    // The first statement that reads the file tells whether it is a database at all.
    if (!pragma(db, QStringLiteral("PRAGMA foreign_keys = ON"), &error)
        || !pragma(db, QStringLiteral("PRAGMA journal_mode = WAL"), &error)) {
        close();
        return { classify(error), error };
    }
    // Up to 64 MB of pages kept in memory: marking a month of hundreds of thousands of agent
    // operations otherwise writes the same pages out and reads them back several times.
    QSqlQuery(QStringLiteral("PRAGMA cache_size = -65536"), db);
    return {};
}

OpenResult Database::create(const QString& path, const MoreReferenceData& more)
{
    if (QFileInfo::exists(path))
        return { OpenFailure::Other, QStringLiteral("El archivo ya existe: ") + path };
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return { OpenFailure::Other,
            QStringLiteral("No existe la carpeta ") + QDir::toNativeSeparators(folder.filePath()) };
    if (!folder.isWritable())
        return { OpenFailure::ReadOnly,
            QStringLiteral("La carpeta ") + QDir::toNativeSeparators(folder.filePath())
                + QStringLiteral(" es de solo lectura.") };
    // Built under a temporary name and renamed when complete, so that an interrupted
    // creation never leaves a database without its tables or reference data.
    const QString building = path + QStringLiteral(".nuevo");
    removeDatabaseFiles(building);
    QString privateError;
    // The engine creates its side files with the mode of the database: the user's alone.
    if (!backupfiles::createPrivate(building, &privateError))
        return { OpenFailure::Other, privateError };
    OpenResult result = connect(building);
    if (!result.ok()) {
        removeDatabaseFiles(building);
        return result;
    }
    QString error;
    bool built = applyMigrations(connection(), &error);
    if (built) {
        const Status loaded = loadReferenceData(connection(), more);
        built = loaded.ok();
        error = loaded.error();
    }
    close();
    if (!built) {
        removeDatabaseFiles(building);
        return { classify(error), error };
    }
    if (!QFile::rename(building, path)) {
        removeDatabaseFiles(building);
        return { OpenFailure::Other, QStringLiteral("No se pudo crear el archivo ") + path };
    }
    return connect(path);
}

OpenResult Database::checkBeforeOpening(const QString& path, bool forWriting) const
{
    if (!QFileInfo::exists(path))
        return { OpenFailure::Missing, {} };
    OpenResult result = checkDatabaseFile(path);
    if (result.ok() && forWriting)
        result = checkWritable(path);
    if (result.ok())
        result = inspect(path);
    return result;
}

OpenResult Database::open(const QString& path)
{
    close();
    OpenResult result = checkBeforeOpening(path, true);
    if (!result.ok())
        return result;
    result = connect(path);
    if (!result.ok())
        return result;
    return upgrade();
}

OpenResult Database::inspect(const QString& path) const
{
    // A read-only connection: whatever it finds, it cannot change the file. Reading a file in
    // write-ahead-log mode makes the engine create the side files; those it made are removed.
    const QString name = m_name + QStringLiteral("_inspect");
    const QStringList sideFiles { path + QStringLiteral("-wal"), path + QStringLiteral("-shm") };
    QStringList created;
    for (const QString& side : sideFiles) {
        if (!QFileInfo::exists(side))
            created.append(side);
    }
    OpenResult result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        setReadOnly(db, path);
        result = inspectConnection(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    for (const QString& side : created)
        QFile::remove(side);
    return result;
}

OpenResult Database::inspectConnection(QSqlDatabase db) const
{
    if (!db.open())
        return { classify(db.lastError().text()), db.lastError().text() };
    QSqlQuery q(db);
    // Mapping the file lets the check read it without copying every page.
    q.exec(QStringLiteral("PRAGMA mmap_size = 268435456"));
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return { classify(q.lastError().text()), q.lastError().text() };
    QStringList problems;
    while (q.next())
        problems.append(q.value(0).toString());
    if (problems != QStringList { QStringLiteral("ok") })
        return { OpenFailure::Corrupt, problems.mid(0, 3).join(u'\n') };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return { classify(q.lastError().text()), q.lastError().text() };
    const int version = q.value(0).toInt();
    if (version > latestSchemaVersion())
        return { OpenFailure::FutureVersion,
            QStringLiteral("La base de datos fue creada por una versión más nueva del programa.") };
    if (version <= 0)
        return { OpenFailure::NotADatabase,
            QStringLiteral("El archivo no contiene una base de datos del programa.") };
    if (const Status shape = schemaguard::checkShape(db, version); !shape)
        return { OpenFailure::NotADatabase, shape.error() };
    return {};
}

OpenResult Database::openReadOnly(const QString& path)
{
    close();
    if (OpenResult result = checkBeforeOpening(path, false); !result.ok())
        return result;
    m_path = path;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    setReadOnly(db, path);
    QString error;
    if (db.open() && pragma(db, QStringLiteral("PRAGMA schema_version"), &error))
        return {};
    if (error.isEmpty())
        error = db.lastError().text();
    close();
    return { classify(error), error };
}

OpenResult Database::checkWritable(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!file.isWritable())
        return { OpenFailure::ReadOnly,
            QStringLiteral("El archivo ") + file.fileName() + QStringLiteral(" es de solo lectura.") };
    if (!folder.isWritable())
        return { OpenFailure::ReadOnly,
            QStringLiteral("La carpeta ") + QDir::toNativeSeparators(folder.filePath())
                + QStringLiteral(" es de solo lectura.") };
    return {};
}

OpenResult Database::upgrade()
{
    QString error;
    if (!applyMigrations(connection(), &error)) {
        close();
        return { classify(error), error };
    }
    return {};
}

}
