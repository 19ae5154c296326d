#include "data/bulkinsert.h"

#include "data/sqlitehandle.h"

#include <QThread>

namespace ventrix::data {
namespace {

QString quoted(const QString& name)
{
    QString copy = name;
    return u'"' + copy.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString engineError(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

}

void RowBinder::bindNull(int column)
{
    Held& held = m_held[column];
    if (held.kind == Held::Kind::Null)
        return;
    sqlite3_bind_null(m_statement, m_first + column);
    held.kind = Held::Kind::Null;
}

void RowBinder::bindInteger(int column, qint64 value)
{
    Held& held = m_held[column];
    if (held.kind == Held::Kind::Integer && held.value == value)
        return;
    sqlite3_bind_int64(m_statement, m_first + column, value);
    held.kind = Held::Kind::Integer;
    held.value = value;
}

void RowBinder::bindText(int column, std::string_view utf8)
{
    Held& held = m_held[column];
    if (held.kind == Held::Kind::Text && held.text == utf8)
        return;
    held.kind = Held::Kind::Text;
    held.text.assign(utf8);
    sqlite3_bind_text(
        m_statement, m_first + column, held.text.data(), static_cast<int>(held.text.size()), SQLITE_STATIC);
}

Result<std::unique_ptr<BulkInsert>> BulkInsert::prepare(
    QSqlDatabase db, const QString& table, const QStringList& columns, int rowsPerBatch, bool rebuildIndexes)
{
    sqlite3* handle = sqliteHandle(db);
    if (!handle || columns.isEmpty() || rowsPerBatch < 1)
        return Error { QStringLiteral("La base de datos no admite la carga masiva.") };
    // The engine's limit on bound values in one statement.
    const int limit = sqlite3_limit(handle, SQLITE_LIMIT_VARIABLE_NUMBER, -1);
    rowsPerBatch = std::max(1, std::min(rowsPerBatch, limit / static_cast<int>(columns.size())));
    QStringList names;
    QStringList marks;
    for (const QString& c : columns) {
        names << quoted(c);
        marks << QStringLiteral("?");
    }
    const QByteArray head = (QStringLiteral("INSERT INTO ") + quoted(table) + QStringLiteral(" (")
        + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES "))
                                .toUtf8();
    const QByteArray row = (u'(' + marks.join(QStringLiteral(", ")) + u')').toUtf8();
    std::unique_ptr<BulkInsert> bulk(
        new BulkInsert(handle, head, row, static_cast<int>(columns.size()), rowsPerBatch));
    bulk->applySettings();
    if (rebuildIndexes) {
        if (const Status aside = bulk->setIndexesAside(table); !aside)
            return Error { aside.error() };
    }
    if (const auto full = bulk->statementFor(rowsPerBatch); !full)
        return Error { full.error() };
    return bulk;
}

BulkInsert::BulkInsert(sqlite3* db, QByteArray head, QByteArray row, int columns, int rowsPerBatch)
    : m_db(db)
    , m_head(std::move(head))
    , m_row(std::move(row))
    , m_columns(columns)
    , m_rowsPerBatch(rowsPerBatch)
{
}

BulkInsert::~BulkInsert()
{
    sqlite3_finalize(m_full);
    sqlite3_finalize(m_tail);
    restoreSettings();
}

namespace {

int pragmaValue(sqlite3* db, const char* pragma)
{
    sqlite3_stmt* q = nullptr;
    int value = 0;
    if (sqlite3_prepare_v2(db, pragma, -1, &q, nullptr) == SQLITE_OK && sqlite3_step(q) == SQLITE_ROW)
        value = sqlite3_column_int(q, 0);
    sqlite3_finalize(q);
    return value;
}

void setPragma(sqlite3* db, const char* name, int value)
{
    const QByteArray sql = QByteArray("PRAGMA ") + name + " = " + QByteArray::number(value);
    sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
}

}

// Each statement of many rows keeps the former contents of the pages it changes, to undo itself
// alone if it fails: kept in memory (a few pages per statement) instead of a temporary file,
// and with a page cache large enough that the hot pages of the table and its indexes stay in it,
// the writes go to the disk once. Both return to what they were when the import ends.
void BulkInsert::applySettings()
{
    m_oldTempStore = pragmaValue(m_db, "PRAGMA temp_store");
    m_oldCacheSize = pragmaValue(m_db, "PRAGMA cache_size");
    setPragma(m_db, "temp_store", 2);
    setPragma(m_db, "cache_size", -CacheKiB);
}

void BulkInsert::restoreSettings()
{
    setPragma(m_db, "temp_store", m_oldTempStore);
    setPragma(m_db, "cache_size", m_oldCacheSize);
}

// The statement for a batch of that many rows, prepared the first time it is needed.
Result<sqlite3_stmt*> BulkInsert::statementFor(int rows)
{
    if (rows == m_rowsPerBatch && m_full)
        return m_full;
    if (rows == m_tailRows && m_tail)
        return m_tail;
    QByteArray sql = m_head;
    for (int r = 0; r < rows; ++r) {
        if (r > 0)
            sql += ", ";
        sql += m_row;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.constData(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
            &statement, nullptr)
        != SQLITE_OK) {
        const QString error = engineError(m_db);
        sqlite3_finalize(statement);
        return Error { error };
    }
    sqlite3_stmt*& slot = rows == m_rowsPerBatch ? m_full : m_tail;
    sqlite3_finalize(slot);
    slot = statement;
    // A new statement holds NULL everywhere.
    (rows == m_rowsPerBatch ? m_fullHeld : m_tailHeld)
        .assign(static_cast<std::size_t>(rows * m_columns), RowBinder::Held {});
    if (rows != m_rowsPerBatch)
        m_tailRows = rows;
    return statement;
}

Status BulkInsert::insert(int rows, const std::function<void(int row, RowBinder& binder)>& bind)
{
    if (rows < 1 || rows > m_rowsPerBatch)
        return Error { QStringLiteral("Cantidad de filas no válida.") };
    const auto statement = statementFor(rows);
    if (!statement)
        return Error { statement.error() };
    RowBinder::Held* held = (*statement == m_full ? m_fullHeld : m_tailHeld).data();
    for (int r = 0; r < rows; ++r) {
        RowBinder binder(*statement, r * m_columns + 1, held + r * m_columns);
        bind(r, binder);
    }
    if (sqlite3_step(*statement) == SQLITE_DONE) {
        sqlite3_reset(*statement);
        return {};
    }
    const QString error = engineError(m_db);
    sqlite3_reset(*statement);
    return Error { error };
}

}

namespace ventrix::data {

// The table's own indexes (not those of its keys, which the engine keeps itself) are dropped and
// their definitions kept, all inside the caller's transaction: a rollback brings them back as they were.
// Partial indexes stay: they hold only the rows their condition sets apart, seldom those of a load,
// and building one again would read the whole table for them.
Status BulkInsert::setIndexesAside(const QString& table)
{
    sqlite3_stmt* q = nullptr;
    const char* sql = "SELECT m.name, m.sql FROM sqlite_master AS m JOIN pragma_index_list(?1) AS l "
                      "ON l.name = m.name WHERE m.type = 'index' AND m.tbl_name = ?1 AND m.sql IS NOT NULL "
                      "AND l.partial = 0";
    if (sqlite3_prepare_v2(m_db, sql, -1, &q, nullptr) != SQLITE_OK)
        return Error { engineError(m_db) };
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(q, 1, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    QList<QByteArray> names;
    while (sqlite3_step(q) == SQLITE_ROW) {
        names << QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(q, 0)));
        m_indexes << QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(q, 1)));
    }
    sqlite3_finalize(q);
    for (const QByteArray& index : std::as_const(names)) {
        const QByteArray drop = "DROP INDEX \"" + QByteArray(index).replace("\"", "\"\"") + '"';
        if (sqlite3_exec(m_db, drop.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return Error { engineError(m_db) };
    }
    return {};
}

namespace {

int pulseHandler(void* pulse)
{
    return (*static_cast<const std::function<bool()>*>(pulse))() ? 0 : 1;
}

}

Status BulkInsert::finish(const std::function<bool()>& pulse)
{
    // The sort that builds an index spills to temporary files beyond the cache; kept in memory
    // it would grow with the table.
    if (!m_indexes.isEmpty())
        setPragma(m_db, "temp_store", m_oldTempStore);
    // The sorts run on every core the machine has, the rows being all in by now, each thread
    // sorting its share in memory as large as the page cache: a smaller cache keeps the sum flat.
    const int oldThreads = pragmaValue(m_db, "PRAGMA threads");
    setPragma(m_db, "threads", std::clamp(QThread::idealThreadCount(), 1, MaxSortThreads));
    setPragma(m_db, "cache_size", -SortCacheKiB);
    if (pulse)
        sqlite3_progress_handler(m_db, 20000, pulseHandler, const_cast<std::function<bool()>*>(&pulse));
    Status built;
    while (!m_indexes.isEmpty() && built) {
        if (sqlite3_exec(m_db, m_indexes.first().constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
            m_indexes.removeFirst();
        else
            built = Error { engineError(m_db) };
    }
    sqlite3_progress_handler(m_db, 0, nullptr, nullptr);
    setPragma(m_db, "threads", oldThreads);
    return built;
}

Result<qint64> BulkInsert::rowCount(QSqlDatabase db, const QString& table)
{
    sqlite3* handle = sqliteHandle(db);
    if (!handle)
        return Error { QStringLiteral("La base de datos no admite la carga masiva.") };
    sqlite3_stmt* q = nullptr;
    const QByteArray sql = (QStringLiteral("SELECT COUNT(*) FROM ") + quoted(table)).toUtf8();
    qint64 count = -1;
    if (sqlite3_prepare_v2(handle, sql.constData(), -1, &q, nullptr) == SQLITE_OK
        && sqlite3_step(q) == SQLITE_ROW)
        count = sqlite3_column_int64(q, 0);
    sqlite3_finalize(q);
    if (count < 0)
        return Error { engineError(handle) };
    return count;
}

}
