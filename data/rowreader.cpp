#include "data/rowreader.h"

#include "data/columncodec.h"
#include "data/sqlitehandle.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::data {
namespace {

// Binds as the database's driver would: days as "yyyy-MM-dd", texts in UTF-8.
int bind(sqlite3_stmt* statement, int place, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(statement, place);
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return sqlite3_bind_int64(statement, place, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, place, value.toDouble());
    case QMetaType::QDate:
        return bind(statement, place, value.toDate().toString(Qt::ISODate));
    default:
        break;
    }
    const QByteArray utf8 = value.toString().toUtf8();
    return sqlite3_bind_text(
        statement, place, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

}

bool RowView::isNull(int column) const
{
    if (m_statement)
        return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
    return m_query->isNull(column);
}

QString RowView::text(int column) const
{
    if (!m_statement)
        return m_query->value(column).toString();
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return bytes ? QString::fromUtf8(bytes, sqlite3_column_bytes(m_statement, column)) : QString();
}

qint64 RowView::integer(int column) const
{
    if (m_statement)
        return sqlite3_column_int64(m_statement, column);
    return m_query->value(column).toLongLong();
}

QDate RowView::date(int column) const
{
    if (isNull(column))
        return {};
    return columncodec::fromStorage(ColumnKind::Date, text(column)).toDate();
}

QString RowReader::forEach(QSqlDatabase db, const QString& sql, const QVariantList& params,
    const std::function<bool(const RowView&)>& each)
{
    sqlite3* handle = sqliteHandle(db);
    if (!handle) {
        // Another engine: its driver reads the rows.
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            return q.lastError().text();
        for (const QVariant& p : params)
            q.addBindValue(p);
        if (!q.exec())
            return q.lastError().text();
        while (q.next() && each(RowView(&q))) { }
        return q.lastError().isValid() ? q.lastError().text() : QString();
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), static_cast<int>(text.size()), &statement, nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(statement);
        return QString::fromUtf8(sqlite3_errmsg(handle));
    }
    int place = 0;
    for (const QVariant& p : params) {
        if (bind(statement, ++place, p) != SQLITE_OK) {
            const QString error = QString::fromUtf8(sqlite3_errmsg(handle));
            sqlite3_finalize(statement);
            return error;
        }
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        if (!each(RowView(statement))) {
            step = SQLITE_DONE;
            break;
        }
    }
    const QString error = step == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(statement);
    return error;
}

}
