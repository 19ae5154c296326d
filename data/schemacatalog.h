#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace ventrix::data {

// How the program stores a column's values; decided by the column's declared type.
enum class ColumnKind { Integer, Text, Fixed2, Fixed4, Date, Other };

ColumnKind columnKindOf(const QString& declaredType);
// The n of "TEXT(n)", or 0 when the declared type gives no width.
int declaredWidth(const QString& declaredType);

struct ColumnInfo
{
    QString name;
    QString declaredType;
    ColumnKind kind = ColumnKind::Other;
    int width = 0; // maximum length of TEXT(n) columns, 0 otherwise
    bool primaryKey = false;
};

struct TableInfo
{
    QString name;
    QList<ColumnInfo> columns; // in the table's own order

    const ColumnInfo* column(const QString& name) const; // case-insensitive, as SQL is
    // The columns whose names begin with prefix (case-insensitive), in table order.
    QList<ColumnInfo> withPrefix(const QString& prefix) const;
};

// The tables and columns of an open database, read from the database itself so that
// statements are only ever built from names the schema contains.
class SchemaCatalog
{
public:
    explicit SchemaCatalog(QSqlDatabase db);

    // The table as the database declares it; nullopt when there is no such table.
    std::optional<TableInfo> table(const QString& name) const;
    QStringList tableNames() const;

private:
    QSqlDatabase m_db;
    mutable QHash<QString, TableInfo> m_cache; // keyed by lower-case name
};

}
