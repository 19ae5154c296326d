#include "data/transaction.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::data {
namespace {

QAtomicInteger<quint32> savepointCounter;

}

Transaction::Transaction(QSqlDatabase db)
    : m_db(std::move(db))
    , m_savepoint(QStringLiteral("ventrix_tx_") + QString::number(savepointCounter.fetchAndAddRelaxed(1)))
{
    // A savepoint outside any transaction starts one; inside, it nests.
    m_active = run(QStringLiteral("SAVEPOINT ") + m_savepoint);
}

Transaction::~Transaction()
{
    if (!m_active)
        return;
    run(QStringLiteral("ROLLBACK TO ") + m_savepoint);
    run(QStringLiteral("RELEASE ") + m_savepoint);
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    if (run(QStringLiteral("RELEASE ") + m_savepoint)) {
        m_active = false;
        return true;
    }
    const QString reason = m_error;
    run(QStringLiteral("ROLLBACK TO ") + m_savepoint);
    run(QStringLiteral("RELEASE ") + m_savepoint);
    m_active = false;
    m_error = reason;
    return false;
}

bool Transaction::run(const QString& statement)
{
    QSqlQuery q(m_db);
    if (q.exec(statement))
        return true;
    m_error = q.lastError().text();
    return false;
}

}
