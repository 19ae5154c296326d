#include "data/migrations.h"

#include "data/dataresources.h"
#include "data/transaction.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>

namespace ventrix::data {
namespace {

QString resourceText(const QString& name)
{
    initDataResources();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool baseSchema(QSqlDatabase db, QString* error)
{
    const QString script = resourceText(QStringLiteral(":/schema/schema_v1.sql"));
    if (script.isEmpty()) {
        *error = QStringLiteral("Falta el esquema de la base de datos en el programa.");
        return false;
    }
    return runScript(db, script, error);
}

// The month's totals of an agent's register are summed from the index alone when it carries the
// amount: a month of hundreds of thousands of rows then needs no visit to the rows themselves.
bool agentRegisterIndexes(QSqlDatabase db, QString* error)
{
    return runScript(db,
        QStringLiteral("DROP INDEX IF EXISTS Form_AgentRetencion_Fecha;\n"
                       "CREATE INDEX Form_AgentRetencion_Fecha ON Form_AgentRetencion (CP01_ID, "
                       "AgRet_Fecha_Retencion, AgRet_Imp_Retenido);\n"
                       "DROP INDEX IF EXISTS Form_AgentPercepcion_Fecha;\n"
                       "CREATE INDEX Form_AgentPercepcion_Fecha ON Form_AgentPercepcion (CP01_ID, "
                       "AgPer_Fecha_Percepcion, AgPer_Imp_Percibido);\n"),
        error);
}

// The rows of a declaration are found by its number and read in date order from the index alone;
// the rows not declared yet, most of a register and all of a fresh import, stay out of it.
bool declarationNumberIndexes(QSqlDatabase db, QString* error)
{
    return runScript(db,
        QStringLiteral("DROP INDEX IF EXISTS Form_AgentRetencion_DDJJNumForm;\n"
                       "CREATE INDEX Form_AgentRetencion_DDJJNumForm ON Form_AgentRetencion "
                       "(AgRet_DDJJNumForm, AgRet_Fecha_Retencion) WHERE AgRet_DDJJNumForm IS NOT NULL;\n"
                       "DROP INDEX IF EXISTS Form_AgentPercepcion_DDJJNumForm;\n"
                       "CREATE INDEX Form_AgentPercepcion_DDJJNumForm ON Form_AgentPercepcion "
                       "(AgPer_DDJJNumForm, AgPer_Fecha_Percepcion) WHERE AgPer_DDJJNumForm IS NOT NULL;\n"),
        error);
}

struct Migration
{
    int version;
    std::function<bool(QSqlDatabase, QString*)> apply;
};

const QList<Migration>& migrations()
{
    static const QList<Migration> list {
        { 1, baseSchema },
        { 2, AgregaCampo },
        { 3, agentRegisterIndexes },
        { 4, declarationNumberIndexes },
    };
    return list;
}

bool setUserVersion(QSqlDatabase db, int version, QString* error)
{
    // PRAGMA takes no bound parameters; the value is our own integer.
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)))
        return true;
    *error = q.lastError().text();
    return false;
}

int userVersion(QSqlDatabase db)
{
    QSqlQuery q(QStringLiteral("PRAGMA user_version"), db);
    return q.next() ? q.value(0).toInt() : -1;
}

}

bool runScript(QSqlDatabase db, const QString& script, QString* error)
{
    QString statement;
    const auto lines = script.split(u'\n');
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("--")) || trimmed.isEmpty())
            continue;
        statement += line + u'\n';
        if (!trimmed.endsWith(u';'))
            continue;
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            *error = q.lastError().text();
            return false;
        }
        statement.clear();
    }
    return true;
}

int latestMigration()
{
    return migrations().back().version;
}

bool applyMigrations(QSqlDatabase db, QString* error, int targetVersion)
{
    const int target = targetVersion < 0 ? latestMigration() : targetVersion;
    const int current = userVersion(db);
    for (const Migration& m : migrations()) {
        if (m.version <= current || m.version > target)
            continue;
        Transaction tx(db);
        if (!m.apply(db, error) || !setUserVersion(db, m.version, error))
            return false;
        if (!tx.commit()) {
            *error = tx.lastError();
            return false;
        }
    }
    return true;
}

bool AgregaCampo(QSqlDatabase db, QString* error)
{
    // SQLite's column names ignore case: a column spelled otherwise is the same column, and
    // adding it again would fail and stop the program from starting.
    const QSqlRecord columns = db.record(QStringLiteral("CMD"));
    for (int i = 0; i < columns.count(); ++i) {
        if (columns.fieldName(i).compare(QStringLiteral("CMD_PassWord"), Qt::CaseInsensitive) == 0)
            return true;
    }
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("ALTER TABLE CMD ADD COLUMN CMD_PassWord TEXT(20)")))
        return true;
    *error = q.lastError().text();
    return false;
}

}
