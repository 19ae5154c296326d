#pragma once

#include <QSqlDatabase>
#include <QString>

namespace ventrix::data {

// Opens a transaction that rolls back when it goes out of scope without commit().
// Transactions may nest: an inner one is a savepoint of the outer one, so a save that
// guards itself can run inside a caller's batch.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    QString lastError() const { return m_error; }

private:
    bool run(const QString& statement);

    QSqlDatabase m_db;
    QString m_savepoint;
    QString m_error;
    bool m_active = false;
};

}
