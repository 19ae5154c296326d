#include "data/schemaguard.h"

#include "data/migrations.h"
#include "data/schemacatalog.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::data::schemaguard {
namespace {

// One object of the catalogue: a table, a column, a relation, an index, a view or a trigger.
struct Entry
{
    QString label; // how the message names it
    QString detail; // what must match
};
using Catalogue = QMap<QString, Entry>; // keyed by kind and lower-case name

// Tables the engine itself keeps (AUTOINCREMENT counters, planner statistics).
bool engineTable(const QString& type, const QString& name)
{
    static const QStringList names { QStringLiteral("sqlite_sequence"), QStringLiteral("sqlite_stat1"),
        QStringLiteral("sqlite_stat4") };
    return type == u"table" && names.contains(name.toLower());
}

QString normalised(const QString& sql)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return sql.simplified().replace(blanks, QStringLiteral(" ")).toLower();
}

QString kindLabel(const QString& type, const QString& name)
{
    if (type == u"table")
        return QStringLiteral("la tabla ") + name;
    if (type == u"index")
        return QStringLiteral("el índice ") + name;
    if (type == u"view")
        return QStringLiteral("la vista ") + name;
    if (type == u"trigger")
        return QStringLiteral("el disparador ") + name;
    return QStringLiteral("el objeto ") + name;
}

void addColumns(QSqlDatabase db, const QString& table, Catalogue* out)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "SELECT name, type, \"notnull\", pk, dflt_value, hidden FROM pragma_table_xinfo(?) ORDER BY cid"));
    q.addBindValue(table);
    q.exec();
    for (int position = 0; q.next(); ++position) {
        const QString name = q.value(0).toString();
        const QString detail = QStringList { QString::number(position), q.value(1).toString().toUpper(),
            q.value(2).toString(), q.value(3).toString(), q.value(4).toString(), q.value(5).toString() }
                                   .join(u'|');
        out->insert(QStringLiteral("column:") + table.toLower() + u'.' + name.toLower(),
            { QStringLiteral("la columna ") + table + u'.' + name, detail });
    }
}

void addRelations(QSqlDatabase db, const QString& table, Catalogue* out)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT \"from\", \"table\", \"to\", on_update, on_delete FROM "
                             "pragma_foreign_key_list(?) ORDER BY id, seq"));
    q.addBindValue(table);
    q.exec();
    while (q.next()) {
        const QString from = q.value(0).toString();
        const QString detail = QStringList { q.value(1).toString().toLower(), q.value(2).toString().toLower(),
            q.value(3).toString(), q.value(4).toString() }
                                   .join(u'|');
        out->insert(QStringLiteral("relation:") + table.toLower() + u'.' + from.toLower(),
            { QStringLiteral("la relación de ") + table + u'.' + from, detail });
    }
}

Result<Catalogue> describe(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master")))
        return Error { q.lastError().text() };
    Catalogue out;
    QStringList tables;
    while (q.next()) {
        const QString type = q.value(0).toString();
        const QString name = q.value(1).toString();
        if (engineTable(type, name))
            continue;
        const QString detail = type == u"index"
            ? q.value(2).toString().toLower() + u'|' + normalised(q.value(3).toString())
            : q.value(2).toString().toLower();
        out.insert(type + u':' + name.toLower(), { kindLabel(type, name), detail });
        if (type == u"table")
            tables.append(name);
    }
    for (const QString& table : tables) {
        addColumns(db, table, &out);
        addRelations(db, table, &out);
    }
    return out;
}

// The catalogue this program creates for a schema version, built once in memory.
Result<Catalogue> expected(int version)
{
    static QHash<int, Catalogue> cache;
    if (auto it = cache.constFind(version); it != cache.constEnd())
        return *it;
    const QString name = QStringLiteral("schemaguard-reference");
    Result<Catalogue> result = Error { QString() };
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        QString error;
        if (!db.open() || !applyMigrations(db, &error, version))
            result = Error { error.isEmpty() ? db.lastError().text() : error };
        else
            result = describe(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (result)
        cache.insert(version, *result);
    return result;
}

Status compare(const Catalogue& want, const Catalogue& have)
{
    for (auto it = have.constBegin(); it != have.constEnd(); ++it) {
        if (!want.contains(it.key()))
            return Error { QStringLiteral("La base de datos contiene ") + it->label
                + QStringLiteral(", que el programa no crea.") };
    }
    for (auto it = want.constBegin(); it != want.constEnd(); ++it) {
        const auto found = have.constFind(it.key());
        if (found == have.constEnd())
            return Error { QStringLiteral("A la base de datos le falta ") + it->label + u'.' };
        if (found->detail != it->detail)
            return Error { QStringLiteral("En la base de datos, ") + it->label
                + QStringLiteral(" no es como la crea el programa.") };
    }
    return {};
}

QString quoted(const QString& identifier)
{
    return u'"' + QString(identifier).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The condition a stored value of that kind must meet (NULL is always accepted).
QString soundValue(ColumnKind kind, const QString& column)
{
    switch (kind) {
    case ColumnKind::Integer:
    case ColumnKind::Fixed2:
    case ColumnKind::Fixed4:
        return QStringLiteral("typeof(%1) = 'integer'").arg(column);
    case ColumnKind::Date:
        return QStringLiteral("typeof(%1) = 'text' AND date(%1) IS %1").arg(column);
    case ColumnKind::Text:
        return QStringLiteral("typeof(%1) = 'text'").arg(column);
    case ColumnKind::Other:
        break;
    }
    return QStringLiteral("1");
}

Status checkColumn(QSqlDatabase db, const QString& table, const ColumnInfo& column)
{
    const QString c = quoted(column.name);
    QSqlQuery q(db);
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 IS NOT NULL AND NOT (%3)")
                            .arg(quoted(table), c, soundValue(column.kind, c));
    if (!q.exec(sql) || !q.next())
        return Error { q.lastError().text() };
    if (q.value(0).toLongLong() > 0)
        return Error { QStringLiteral("La columna ") + table + u'.' + column.name
            + QStringLiteral(" tiene valores que no son del tipo que guarda el programa.") };
    return {};
}

Status checkHistory(QSqlDatabase db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*), julianday(MAX(Fecha)) - julianday(MIN(Fecha)) + 1, "
                               "MIN(Indice), MIN(Tasa), MAX(Tasa) FROM Indices"))
        || !q.next())
        return Error { q.lastError().text() };
    const qint64 days = q.value(0).toLongLong();
    if (days == 0)
        return Error { QStringLiteral("La tabla Indices está vacía.") };
    if (q.value(1).toLongLong() != days)
        return Error { QStringLiteral("La tabla Indices tiene días faltantes.") };
    // Tasa is kept in hundredths: 10000 is a monthly rate of 100,00 %.
    if (q.value(2).toLongLong() < 0 || q.value(3).toLongLong() < 0 || q.value(4).toLongLong() > 10000)
        return Error { QStringLiteral("La tabla Indices tiene tasas o índices fuera de rango.") };
    return {};
}

Status checkReferenceLists(QSqlDatabase db)
{
    for (const char* table : { "Nomencla", "Provincias", "TipoDoc" }) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)) || !q.next())
            return Error { q.lastError().text() };
        if (q.value(0).toLongLong() == 0)
            return Error { QStringLiteral("La tabla ") + QLatin1String(table)
                + QStringLiteral(" está vacía.") };
    }
    return {};
}

bool wellFormedPassword(const QString& stored)
{
    static const QRegularExpression hash(
        QStringLiteral("^pbkdf2-sha256\\$([0-9]{1,10})\\$[A-Za-z0-9+/]+=*\\$[A-Za-z0-9+/]+=*$"));
    if (!stored.startsWith(QStringLiteral("pbkdf2")))
        return stored.size() <= 20; // a password an older database kept in clear
    const auto match = hash.match(stored);
    if (!match.hasMatch())
        return false;
    const qint64 rounds = match.captured(1).toLongLong();
    return rounds >= 1 && rounds <= MaxPasswordIterations;
}

Status checkPasswords(QSqlDatabase db)
{
    const auto cmd = SchemaCatalog(db).table(QStringLiteral("CMD"));
    if (!cmd || !cmd->column(QStringLiteral("CMD_PassWord")))
        return {};
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT CMD_Contribuyente, CMD_PassWord FROM CMD WHERE CMD_PassWord <> ''")))
        return Error { q.lastError().text() };
    while (q.next()) {
        if (!wellFormedPassword(q.value(1).toString()))
            return Error { QStringLiteral("La contraseña del contribuyente ") + q.value(0).toString().left(60)
                + QStringLiteral(" no tiene un formato válido.") };
    }
    return {};
}

}

Status checkShape(QSqlDatabase db, int version)
{
    const Result<Catalogue> want = expected(version);
    if (!want)
        return Error { want.error() };
    const Result<Catalogue> have = describe(db);
    if (!have)
        return Error { have.error() };
    return compare(*want, *have);
}

Status checkValues(QSqlDatabase db)
{
    const SchemaCatalog catalog(db);
    for (const QString& name : catalog.tableNames()) {
        const auto table = catalog.table(name);
        if (!table)
            continue;
        for (const ColumnInfo& column : table->columns) {
            if (Status s = checkColumn(db, table->name, column); !s)
                return s;
        }
    }
    if (Status s = checkHistory(db); !s)
        return s;
    if (Status s = checkReferenceLists(db); !s)
        return s;
    return checkPasswords(db);
}

}
