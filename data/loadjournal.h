#pragma once

#include <QSqlDatabase>

namespace ventrix::data {

// While a large load runs, keeps the database on a rollback journal instead of the write-ahead
// log: the pages the load adds past the end of the file are then written once, where the log
// would take them and copy them into the file again at the next checkpoint. A rollback journal
// is as safe: a load cut short by a crash is undone when the database is next opened, and the
// program always opens it on the log again.
// The switch needs the database to itself and no transaction open; when another connection has
// it open the log stays, and the load is only slower.
class LoadJournal
{
public:
    explicit LoadJournal(QSqlDatabase db);
    // Back to the write-ahead log; call it with no transaction open.
    ~LoadJournal();
    LoadJournal(const LoadJournal&) = delete;
    LoadJournal& operator=(const LoadJournal&) = delete;

    bool switched() const { return m_switched; }

private:
    QSqlDatabase m_db;
    bool m_switched = false;
};

}
