#pragma once

#include "data/database.h"

#include <QTemporaryDir>

#include <memory>

namespace ventrix::test {

// A fresh database with every table and the reference data, in a temporary folder.
class TestDatabase
{
public:
    explicit TestDatabase(const QString& connectionName = data::Database::mainConnectionName());

    QSqlDatabase db() const { return m_database->connection(); }
    data::Database& database() { return *m_database; }
    QString folder() const { return m_dir.path(); }
    QString path() const;

    // Turns a database of this version back into one as the first version of the program left
    // it (no password column, the agents' register indexes as they were), for upgrade tests.
    static void makeFirstVersion(QSqlDatabase db);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<data::Database> m_database;
};

}
