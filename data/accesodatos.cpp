#include "data/accesodatos.h"

#include "common/fixed.h"
#include "common/regional.h"
#include "data/columncodec.h"
#include "data/transaction.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::data {
namespace {

QString quoted(const QString& identifier)
{
    // Names come from the schema itself; quoting keeps accented names and keywords safe.
    QString out = identifier;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

bool isNewKey(const QVariant& key)
{
    return !key.isValid() || key.isNull() || key.toString().trimmed().isEmpty() || key.toLongLong() == 0;
}

}

AccesoDatos::AccesoDatos(QSqlDatabase db)
    : m_db(db)
    , m_schema(db)
{
}

bool AccesoDatos::prepareAndRun(QSqlQuery& q, const QString& sql, const QVariantList& params)
{
    m_lastError.clear();
    if (!q.prepare(sql)) {
        m_lastError = q.lastError().text();
        return false;
    }
    for (const QVariant& p : params)
        q.addBindValue(p);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return false;
    }
    return true;
}

int AccesoDatos::openRecordset(const QString& sql, const QVariantList& params, Recordset& out)
{
    out.close();
    QSqlQuery q(m_db);
    // Read once from first to last: the driver then keeps no copy of the rows already read, which
    // on a month of hundreds of thousands of rows is most of the time and memory.
    q.setForwardOnly(true);
    if (!prepareAndRun(q, sql, params))
        return 0;
    out.open(std::move(q));
    return Opened;
}

QString AccesoDatos::execute(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(m_db);
    return prepareAndRun(q, sql, params) ? Ok : m_lastError;
}

QString AccesoDatos::fieldList(const QString& table, const QString& prefix) const
{
    const auto info = m_schema.table(table);
    if (!info)
        return {};
    QStringList names;
    for (const ColumnInfo& c : info->withPrefix(prefix))
        names.append(c.name);
    return names.join(QStringLiteral(", "));
}

LoadStatus AccesoDatos::loadFields(
    const QString& sql, const QVariantList& params, const QString& prefix, FieldValues& out)
{
    out.clear();
    Recordset rs;
    if (openRecordset(sql, params, rs) != Opened)
        return LoadStatus::Failed;
    if (rs.eof())
        return LoadStatus::NotFound;
    const FieldValues row = rs.row();
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (it.key().startsWith(prefix, Qt::CaseInsensitive))
            out.insert(it.key(), it.value());
    }
    return LoadStatus::Loaded;
}

QHash<QString, int> AccesoDatos::fieldSizes(const QString& table, const QString& prefix) const
{
    QHash<QString, int> sizes;
    if (const auto info = m_schema.table(table)) {
        for (const ColumnInfo& c : info->withPrefix(prefix)) {
            if (c.width > 0)
                sizes.insert(c.name, c.width);
        }
    }
    return sizes;
}

QList<ListEntry> AccesoDatos::fillList(
    const QString& sql, const QVariantList& params, const QString& displayPattern, const QString& keyColumn)
{
    static const QRegularExpression placeholder(QStringLiteral(R"(\{([^{}]+)\})"));
    QList<ListEntry> entries;
    Recordset rs;
    if (openRecordset(sql, params, rs) != Opened)
        return entries;
    for (; !rs.eof(); rs.moveNext()) {
        QString text = displayPattern;
        auto it = placeholder.globalMatch(displayPattern);
        while (it.hasNext()) {
            const auto m = it.next();
            text.replace(m.captured(0), displayText(rs.value(m.captured(1))));
        }
        entries.append({ text, rs.value(keyColumn) });
    }
    return entries;
}

SaveResult AccesoDatos::saveFields(const SaveRequest& request)
{
    m_lastError.clear();
    const auto table = m_schema.table(request.table);
    SaveResult result;
    if (!table) {
        result.error = QStringLiteral("No existe la tabla ") + request.table + QStringLiteral(".");
    } else if (!table->column(request.keyColumn)
        || (!request.parentColumn.isEmpty() && !table->column(request.parentColumn))) {
        result.error
            = QStringLiteral("La tabla ") + table->name + QStringLiteral(" no tiene la columna indicada.");
    } else {
        Transaction tx(m_db);
        result = writeRow(*table, request);
        if (result.ok && !tx.commit()) {
            result = { false, 0, tx.lastError() };
        }
    }
    m_lastError = result.error;
    return result;
}

SaveResult AccesoDatos::writeRow(const TableInfo& table, const SaveRequest& request)
{
    const ColumnInfo* key = table.column(request.keyColumn);
    QStringList columns;
    QVariantList values;
    QString error;
    for (auto it = request.values.constBegin(); it != request.values.constEnd(); ++it) {
        if (!it.key().startsWith(request.prefix, Qt::CaseInsensitive))
            continue;
        const ColumnInfo* column = table.column(it.key());
        if (!column)
            return { false, 0,
                QStringLiteral("La tabla ") + table.name + QStringLiteral(" no tiene la columna ") + it.key()
                    + QStringLiteral(".") };
        if (column == key
            || (!request.parentColumn.isEmpty() && column == table.column(request.parentColumn)))
            continue;
        const auto stored = columncodec::toStorage(*column, it.value(), &error);
        if (!stored)
            return { false, 0, error };
        columns.append(quoted(column->name));
        values.append(*stored);
    }
    if (!request.parentColumn.isEmpty()) {
        columns.append(quoted(table.column(request.parentColumn)->name));
        values.append(request.parentKey);
    }

    bool exists = false;
    if (!isNewKey(request.key)) {
        QSqlQuery probe(m_db);
        if (!prepareAndRun(probe,
                QStringLiteral("SELECT 1 FROM ") + quoted(table.name) + QStringLiteral(" WHERE ")
                    + quoted(key->name) + QStringLiteral(" = ?"),
                { request.key }))
            return { false, 0, m_lastError };
        exists = probe.next();
    }

    QSqlQuery q(m_db);
    QString sql;
    if (exists) {
        if (columns.isEmpty())
            return { true, request.key.toLongLong(), {} };
        sql = QStringLiteral("UPDATE ") + quoted(table.name) + QStringLiteral(" SET ")
            + columns.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ? WHERE ") + quoted(key->name)
            + QStringLiteral(" = ?");
        values.append(request.key);
    } else if (columns.isEmpty()) {
        sql = QStringLiteral("INSERT INTO ") + quoted(table.name) + QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList marks(columns.size(), QStringLiteral("?"));
        sql = QStringLiteral("INSERT INTO ") + quoted(table.name) + QStringLiteral(" (")
            + columns.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (")
            + marks.join(QStringLiteral(", ")) + u')';
    }
    if (!prepareAndRun(q, sql, values))
        return { false, 0, m_lastError };
    return { true, exists ? request.key.toLongLong() : q.lastInsertId().toLongLong(), {} };
}

}
