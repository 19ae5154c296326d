#pragma once

#include <QString>

struct sqlite3;

namespace ventrix::data {

// Holds a database file for this process alone while it is moved aside: every change its log
// held is folded into the file and the log is gone, so the file is whole by itself, and no other
// process can read or write it until this object is destroyed.
class ExclusiveDatabase
{
public:
    enum class State { Held, InUse, Unreadable };

    explicit ExclusiveDatabase(const QString& path);
    ~ExclusiveDatabase();
    ExclusiveDatabase(const ExclusiveDatabase&) = delete;
    ExclusiveDatabase& operator=(const ExclusiveDatabase&) = delete;

    State state() const { return m_state; }
    // The engine's words when the file could not be held.
    QString reason() const { return m_reason; }

private:
    bool run(const char* sql, QString* result = nullptr);

    sqlite3* m_db = nullptr;
    State m_state = State::Unreadable;
    QString m_reason;
};

}
