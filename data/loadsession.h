#pragma once

#include <QSqlDatabase>

namespace ventrix::data {

// The connection's settings while a large load runs, back to the program's own when it ends.
// Created and ended with no transaction open.
//
// The journal: a rollback journal instead of the write-ahead log, so the pages the load adds
// past the end of the file are written once, where the log would take them and copy them into
// the file again at the next checkpoint. A rollback journal is as safe: a load cut short by a
// crash is undone when the database is next opened, and the program always opens it on the log
// again. The switch needs the database to itself; when another connection has it open the log
// stays, and the load is only slower.
//
// The references: the engine does not look up the row each loaded row refers to. The loader
// vouches for them instead: all its rows refer to rows it checks inside the load's own
// transaction, once (as an import does with the one inscription all its rows belong to).
class LoadSession
{
public:
    explicit LoadSession(QSqlDatabase db);
    ~LoadSession();
    LoadSession(const LoadSession&) = delete;
    LoadSession& operator=(const LoadSession&) = delete;

    // Whether the rollback journal is in use.
    bool switched() const { return m_switched; }

private:
    QSqlDatabase m_db;
    bool m_switched = false;
    bool m_references = false; // the connection checked references before the load
};

}
