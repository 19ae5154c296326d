#pragma once

#include "common/fieldvalues.h"
#include "data/schemacatalog.h"

#include <QSqlQuery>
#include <QStringList>

namespace ventrix::data {

// The rows of one statement, read by column name and typed by the columns' declared types.
class Recordset
{
public:
    Recordset() = default;

    bool isOpen() const { return m_open; }
    // True when there is no current row (an empty result, or past the last row).
    bool eof() const { return !m_onRow; }
    bool moveNext();
    bool moveFirst();

    QStringList columnNames() const { return m_names; }
    // The current row's value of the column (case-insensitive name); invalid when NULL or unknown.
    // A column computed by an expression (Max(Minimo1), a sum) has no declared type and comes
    // back as the engine gives it: FIXED2 and FIXED4 aggregates as integer units.
    QVariant value(const QString& column) const;
    QVariant value(int index) const;
    FieldValues row() const;
    void close();

private:
    friend class AccesoDatos;
    bool open(QSqlQuery query);

    QSqlQuery m_query;
    QStringList m_names;
    QList<ColumnKind> m_kinds;
    bool m_open = false;
    bool m_onRow = false;
};

}
