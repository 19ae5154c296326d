#include "data/loadsession.h"

#include <QSqlQuery>

namespace ventrix::data {
namespace {

// The setting's value after the statement, in lower case; empty on failure.
QString pragma(QSqlDatabase db, const QString& statement)
{
    QSqlQuery q(db);
    if (!q.exec(statement) || !q.next())
        return {};
    return q.value(0).toString().toLower();
}

}

LoadSession::LoadSession(QSqlDatabase db)
    : m_db(std::move(db))
{
    m_references = pragma(m_db, QStringLiteral("PRAGMA foreign_keys")) == u"1";
    if (m_references)
        QSqlQuery(QStringLiteral("PRAGMA foreign_keys = OFF"), m_db);
    if (pragma(m_db, QStringLiteral("PRAGMA journal_mode")) != u"wal")
        return;
    // Another connection holding the database answers at once, not after the usual wait.
    const QString wait = pragma(m_db, QStringLiteral("PRAGMA busy_timeout"));
    QSqlQuery(QStringLiteral("PRAGMA busy_timeout = 0"), m_db);
    m_switched = pragma(m_db, QStringLiteral("PRAGMA journal_mode = DELETE")) == u"delete";
    // The engine's own number read above, no user text.
    QSqlQuery(QStringLiteral("PRAGMA busy_timeout = %1").arg(wait.toInt()), m_db);
}

LoadSession::~LoadSession()
{
    if (m_switched)
        pragma(m_db, QStringLiteral("PRAGMA journal_mode = WAL"));
    if (m_references)
        QSqlQuery(QStringLiteral("PRAGMA foreign_keys = ON"), m_db);
}

}
