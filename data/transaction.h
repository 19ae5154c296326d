#pragma once

#include <QSqlDatabase>

namespace ventrix {

// Opens a transaction that rolls back when it goes out of scope without commit().
class Transaction
{
public:
    explicit Transaction(QSqlDatabase db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    QString lastError() const;

private:
    QSqlDatabase m_db;
    bool m_active = false;
};

}
