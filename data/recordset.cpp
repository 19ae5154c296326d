#include "data/recordset.h"

#include "data/columncodec.h"

#include <QSqlRecord>
#include <QSqlResult>

#include <sqlite3.h>

namespace ventrix::data {
namespace {

// The engine's statement behind the query, to read each result column's declared type.
sqlite3_stmt* statementOf(const QSqlQuery& query)
{
    const QVariant handle = query.result() ? query.result()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt* const*>(handle.constData());
}

}

bool Recordset::open(QSqlQuery query)
{
    m_query = std::move(query);
    const QSqlRecord record = m_query.record();
    sqlite3_stmt* stmt = statementOf(m_query);
    m_names.clear();
    m_kinds.clear();
    for (int i = 0; i < record.count(); ++i) {
        m_names.append(record.fieldName(i));
        const char* declared = stmt ? sqlite3_column_decltype(stmt, i) : nullptr;
        m_kinds.append(declared ? columnKindOf(QString::fromUtf8(declared)) : ColumnKind::Other);
    }
    m_open = true;
    m_onRow = m_query.first();
    return true;
}

bool Recordset::moveNext()
{
    m_onRow = m_open && m_query.next();
    return m_onRow;
}

bool Recordset::moveFirst()
{
    m_onRow = m_open && m_query.first();
    return m_onRow;
}

QVariant Recordset::value(int index) const
{
    if (!m_onRow || index < 0 || index >= m_names.size())
        return {};
    return columncodec::fromStorage(m_kinds.at(index), m_query.value(index));
}

QVariant Recordset::value(const QString& column) const
{
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return value(i);
    }
    return {};
}

FieldValues Recordset::row() const
{
    FieldValues out;
    for (int i = 0; i < m_names.size(); ++i)
        out.insert(m_names.at(i), value(i));
    return out;
}

void Recordset::close()
{
    m_query.finish();
    m_open = false;
    m_onRow = false;
}

}
