#include "data/database.h"

#include "data/migrations.h"
#include "data/referencedata.h"
#include "data/transaction.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

static void initDataResources()
{
    Q_INIT_RESOURCE(data);
}

namespace ventrix {
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

}

QString Database::mainConnectionName()
{
    return QStringLiteral("ventrix");
}

Database::Database(QString connectionName) : m_name(std::move(connectionName))
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
        return {classify(db.lastError().text()), db.lastError().text()};
    QString error;
    // The first statement that reads the file tells whether it is a database at all.
    if (!pragma(db, QStringLiteral("PRAGMA foreign_keys = ON"), &error)
        || !pragma(db, QStringLiteral("PRAGMA journal_mode = WAL"), &error)) {
        close();
        return {classify(error), error};
    }
    return {};
}

OpenResult Database::create(const QString& path)
{
    if (QFileInfo::exists(path))
        return {OpenFailure::Other, QStringLiteral("El archivo ya existe: ") + path};
    OpenResult result = connect(path);
    if (!result.ok())
        return result;
    QString error;
    QSqlDatabase db = connection();
    if (!applyMigrations(db, &error) || !loadReferenceData(db, &error)) {
        close();
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        return {classify(error), error};
    }
    return {};
}

OpenResult Database::open(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {OpenFailure::Missing, {}};
    OpenResult result = connect(path);
    if (!result.ok())
        return result;
    return upgrade();
}

OpenResult Database::upgrade()
{
    const int version = schemaVersion();
    if (version < 0) {
        const QString reason = connection().lastError().text();
        close();
        return {OpenFailure::NotADatabase, reason};
    }
    if (version > latestSchemaVersion()) {
        close();
        return {OpenFailure::FutureVersion,
                QStringLiteral("La base de datos fue creada por una versión más nueva del programa.")};
    }
    QString error;
    if (!applyMigrations(connection(), &error)) {
        close();
        return {classify(error), error};
    }
    return {};
}

}
