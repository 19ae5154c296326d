#include "data/loadjournal.h"

#include <QSqlQuery>

namespace ventrix::data {
namespace {

// The journal mode the connection has after the statement, in lower case; empty on failure.
QString journalMode(QSqlDatabase db, const QString& statement)
{
    QSqlQuery q(db);
    if (!q.exec(statement) || !q.next())
        return {};
    return q.value(0).toString().toLower();
}

}

LoadJournal::LoadJournal(QSqlDatabase db)
    : m_db(std::move(db))
{
    if (journalMode(m_db, QStringLiteral("PRAGMA journal_mode")) != u"wal")
        return;
    // Another connection holding the database answers at once, not after the usual wait.
    QSqlQuery timeout(QStringLiteral("PRAGMA busy_timeout"), m_db);
    const int wait = timeout.next() ? timeout.value(0).toInt() : 0;
    QSqlQuery(QStringLiteral("PRAGMA busy_timeout = 0"), m_db);
    m_switched = journalMode(m_db, QStringLiteral("PRAGMA journal_mode = DELETE")) == u"delete";
    // Our own number, no user text.
    QSqlQuery(QStringLiteral("PRAGMA busy_timeout = %1").arg(wait), m_db);
}

LoadJournal::~LoadJournal()
{
    if (m_switched)
        journalMode(m_db, QStringLiteral("PRAGMA journal_mode = WAL"));
}

}
