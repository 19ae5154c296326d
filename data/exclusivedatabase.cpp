#include "data/exclusivedatabase.h"

#include <QFile>

#include <sqlite3.h>

namespace ventrix::data {
namespace {

// How long another process's transaction may take to finish before the file counts as in use.
constexpr int WaitMilliseconds = 2000;

bool busy(int code)
{
    return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
}

}

ExclusiveDatabase::ExclusiveDatabase(const QString& path)
{
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        m_reason = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        return;
    }
    sqlite3_busy_timeout(m_db, WaitMilliseconds);
    // Leaving the write-ahead log needs every other connection closed: the engine checkpoints
    // the log into the file and deletes it, or reports the file busy.
    QString mode;
    if (!run("PRAGMA journal_mode = DELETE", &mode))
        return;
    if (mode.compare(QStringLiteral("delete"), Qt::CaseInsensitive) != 0) {
        m_state = State::InUse;
        m_reason = QStringLiteral("journal_mode = ") + mode;
        return;
    }
    if (run("BEGIN EXCLUSIVE"))
        m_state = State::Held;
}

ExclusiveDatabase::~ExclusiveDatabase()
{
    if (m_state == State::Held)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_db);
}

bool ExclusiveDatabase::run(const char* sql, QString* result)
{
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW && result)
            *result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        if (rc == SQLITE_ROW || rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    if (rc == SQLITE_OK)
        return true;
    m_reason = QString::fromUtf8(sqlite3_errmsg(m_db));
    m_state = busy(rc) || busy(sqlite3_extended_errcode(m_db)) ? State::InUse : State::Unreadable;
    return false;
}

}
