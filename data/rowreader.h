#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <functional>

class QSqlQuery;
struct sqlite3_stmt;

namespace ventrix::data {

// One row of a query being read, its values as the database stores them: texts, integers (money
// in cents, rates in ten-thousandths) and days written "yyyy-MM-dd". Valid only during the call
// that receives it.
class RowView
{
public:
    bool isNull(int column) const;
    QString text(int column) const; // empty for NULL
    qint64 integer(int column) const; // 0 for NULL
    QDate date(int column) const; // invalid for NULL or anything but a stored day

private:
    friend class RowReader;
    explicit RowView(sqlite3_stmt* statement)
        : m_statement(statement)
    {
    }
    explicit RowView(const QSqlQuery* query)
        : m_query(query)
    {
    }
    sqlite3_stmt* m_statement = nullptr;
    const QSqlQuery* m_query = nullptr;
};

// Reads the rows of a query once, first to last, handing each to the caller as it comes without
// turning its values into variants first: for files and reports of hundreds of thousands of rows.
class RowReader
{
public:
    // each answers false to stop. Empty on success, otherwise the engine's reason.
    static QString forEach(QSqlDatabase db, const QString& sql, const QVariantList& params,
        const std::function<bool(const RowView&)>& each);
};

}
