#pragma once

#include "common/result.h"

#include <QSqlDatabase>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace ventrix::data {

// Binds the values of one row of a batch, by column position. A statement keeps its values from
// batch to batch: a value already bound in that place (a NULL, the same number, the same text,
// as columns of one agent number or one province often hold) is not bound again.
class RowBinder
{
public:
    void bindNull(int column);
    void bindInteger(int column, qint64 value);
    // The bytes (UTF-8) are copied.
    void bindText(int column, std::string_view utf8);

    // What a place of the statement holds from the batch before.
    struct Held
    {
        enum class Kind : unsigned char { Null, Integer, Text };
        Kind kind = Kind::Null;
        qint64 value = 0;
        std::string text; // the place's own copy, which the statement reads
    };

private:
    friend class BulkInsert;
    RowBinder(sqlite3_stmt* statement, int first, Held* held)
        : m_statement(statement)
        , m_first(first)
        , m_held(held)
    {
    }
    sqlite3_stmt* m_statement;
    int m_first;
    Held* m_held; // this row's places
};

// INSERTs prepared once and run for many rows, several rows per statement: values are bound by
// column position, without building SQL text or allocating per row. The rows go into whatever
// transaction the connection has open; foreign keys and the schema's other rules apply as to any
// insert.
class BulkInsert
{
public:
    // Up to rowsPerBatch rows of the columns named go into table at a time; the names must come
    // from the schema.
    // With rebuildIndexes the table's indexes (but its partial ones) are set aside while the rows go in and
    // built again by finish(), in the same transaction: far cheaper when the rows outnumber those already
    // there. The caller must then call finish() before committing (or roll back).
    static Result<std::unique_ptr<BulkInsert>> prepare(QSqlDatabase db, const QString& table,
        const QStringList& columns, int rowsPerBatch, bool rebuildIndexes = false);
    ~BulkInsert();
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;

    int rowsPerBatch() const { return m_rowsPerBatch; }
    // Writes rows (1 to rowsPerBatch) whose values bind(row, binder) binds.
    Status insert(int rows, const std::function<void(int row, RowBinder& binder)>& bind);
    // Builds again the indexes set aside; nothing to do without them. pulse is called every few
    // thousand steps of the engine (a window stays responsive); answering false stops the work.
    Status finish(const std::function<bool()>& pulse = {});

    // The rows the table holds now.
    static Result<qint64> rowCount(QSqlDatabase db, const QString& table);

private:
    BulkInsert(sqlite3* db, QByteArray head, QByteArray row, int columns, int rowsPerBatch);
    Result<sqlite3_stmt*> statementFor(int rows);
    void applySettings();
    Status setIndexesAside(const QString& table);
    void restoreSettings();

    // The page cache while importing: bounded, so memory stays flat whatever the file's size.
    static constexpr int CacheKiB = 8 * 1024;
    // While the indexes are built again: each sorting thread holds this much of the rows.
    static constexpr int SortCacheKiB = 2 * 1024;
    static constexpr int MaxSortThreads = 4;

    sqlite3* m_db = nullptr;
    QByteArray m_head; // INSERT INTO t (a, b) VALUES
    QByteArray m_row; // (?, ?)
    int m_columns = 0;
    int m_rowsPerBatch = 0;
    sqlite3_stmt* m_full = nullptr; // rowsPerBatch rows
    sqlite3_stmt* m_tail = nullptr; // the last, shorter batch
    std::vector<RowBinder::Held> m_fullHeld;
    std::vector<RowBinder::Held> m_tailHeld;
    int m_tailRows = 0;
    int m_oldTempStore = 0;
    int m_oldCacheSize = -2000;
    QList<QByteArray> m_indexes; // CREATE INDEX statements to run again
};

}
