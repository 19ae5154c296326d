#include "data/backupverify.h"

#include "data/databasefilecheck.h"
#include "data/schemaguard.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace ventrix::data {
namespace {

OpenResult failure(OpenFailure kind, const QString& reason)
{
    return { kind, reason };
}

// A short-lived connection of its own, so the check never touches the program's connection.
class CheckConnection
{
public:
    explicit CheckConnection(const QString& path)
        : m_name(QStringLiteral("check-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        // A read-only reader of a file in write-ahead-log mode makes the side files; those it
        // made are removed again.
        for (const char* suffix : { "-wal", "-shm" }) {
            if (!QFileInfo::exists(path + QLatin1String(suffix)))
                m_created.append(path + QLatin1String(suffix));
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        m_opened = db.open();
        if (!m_opened)
            m_error = db.lastError().text();
    }
    ~CheckConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
        for (const QString& side : m_created)
            QFile::remove(side);
    }
    CheckConnection(const CheckConnection&) = delete;
    CheckConnection& operator=(const CheckConnection&) = delete;

    bool opened() const { return m_opened; }
    QString error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    QStringList m_created;
    QString m_error;
    bool m_opened = false;
};

OpenFailure classifyEngineError(const QString& reason)
{
    if (reason.contains(QStringLiteral("not a database"), Qt::CaseInsensitive))
        return OpenFailure::NotADatabase;
    if (reason.contains(QStringLiteral("malformed"), Qt::CaseInsensitive))
        return OpenFailure::Corrupt;
    return OpenFailure::Other;
}

}

QString integrityProblem(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")))
        return q.lastError().text();
    QStringList problems;
    while (q.next())
        problems << q.value(0).toString();
    if (problems == QStringList { QStringLiteral("ok") })
        return {};
    if (problems.isEmpty())
        return QStringLiteral("La verificación de integridad no dio resultado.");
    return problems.mid(0, 3).join(u'\n');
}

OpenResult verifyBackupDatabase(const QString& path)
{
    if (!QFileInfo::exists(path))
        return failure(OpenFailure::Missing, QStringLiteral("No existe el archivo ") + path);
    const OpenResult header = checkStandaloneDatabaseFile(path);
    if (!header.ok())
        return header;
    CheckConnection check(path);
    if (!check.opened())
        return failure(classifyEngineError(check.error()), check.error());
    QSqlQuery version(check.db());
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) {
        const QString reason = version.lastError().text();
        return failure(classifyEngineError(reason), reason);
    }
    const int schema = version.value(0).toInt();
    version.finish();
    const QString problem = integrityProblem(check.db());
    if (!problem.isEmpty())
        return failure(classifyEngineError(problem) == OpenFailure::NotADatabase ? OpenFailure::NotADatabase
                                                                                 : OpenFailure::Corrupt,
            problem);
    if (schema > Database::latestSchemaVersion())
        return failure(OpenFailure::FutureVersion,
            QStringLiteral("La base de datos fue creada por una versión más nueva del programa."));
    if (schema < 1)
        return failure(OpenFailure::NotADatabase,
            QStringLiteral("El archivo no es una base de datos de este programa."));
    if (const Status shape = schemaguard::checkShape(check.db(), schema); !shape)
        return failure(OpenFailure::NotADatabase, shape.error());
    if (const Status values = schemaguard::checkValues(check.db()); !values)
        return failure(OpenFailure::Corrupt, values.error());
    return {};
}

}
