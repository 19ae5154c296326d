#pragma once

#include "common/fieldvalues.h"
#include "data/recordset.h"
#include "data/schemacatalog.h"

#include <QHash>
#include <QSqlDatabase>
#include <QVariantList>

namespace ventrix::data {

// What saving a screen's fields asks for: the table and its key, the parent column and
// value, and the values of the fields whose column names begin with the prefix.
struct SaveRequest
{
    QString table;
    QString keyColumn;
    QVariant key; // invalid, null or 0 for a new row
    QString parentColumn; // empty when the table has no parent
    QVariant parentKey;
    QString prefix;
    FieldValues values;
};

struct SaveResult
{
    bool ok = false;
    qint64 key = 0; // the saved row's key
    QString error; // the reason, when not ok
};

enum class LoadStatus { Loaded, NotFound, Failed };

// The program's single door to the database: statements with bound parameters, rows read by
// column name, and the reading and writing of a screen's fields by column-name prefix.
// Table and column names are only taken from the database's own schema.
class AccesoDatos
{
public:
    static constexpr int Opened = 1;
    static inline const QString Ok = QStringLiteral("OK");

    explicit AccesoDatos(QSqlDatabase db);

    // Runs a query; 1 when opened, the recordset then on its first row (possibly none).
    int openRecordset(const QString& sql, const QVariantList& params, Recordset& out);
    // Runs a statement; "OK" on success, otherwise the engine's error text.
    QString execute(const QString& sql, const QVariantList& params = {});

    // "A, B, C": the table's columns that begin with the prefix, to follow "Select ".
    QString fieldList(const QString& table, const QString& prefix) const;
    // The first row of the query, limited to the columns that begin with the prefix.
    LoadStatus loadFields(
        const QString& sql, const QVariantList& params, const QString& prefix, FieldValues& out);
    // Inserts or updates one row from the values of the prefix's columns, in one transaction;
    // a failure leaves the database as it was.
    SaveResult saveFields(const SaveRequest& request);
    // Maximum length of each text column of the table that begins with the prefix.
    QHash<QString, int> fieldSizes(const QString& table, const QString& prefix) const;
    // One entry per row: the pattern with "{Column}" replaced by the row's value as shown
    // on screen, and the key column's value attached.
    QList<ListEntry> fillList(const QString& sql, const QVariantList& params, const QString& displayPattern,
        const QString& keyColumn);

    QString lastError() const { return m_lastError; }
    SchemaCatalog& schema() { return m_schema; }
    QSqlDatabase connection() const { return m_db; }

private:
    bool prepareAndRun(QSqlQuery& q, const QString& sql, const QVariantList& params);
    SaveResult writeRow(const TableInfo& table, const SaveRequest& request);

    QSqlDatabase m_db;
    SchemaCatalog m_schema;
    QString m_lastError;
};

}
