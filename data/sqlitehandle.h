#pragma once

#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

namespace ventrix::data {

// The engine's own connection behind a Qt one, for the pieces that speak to SQLite itself;
// nullptr on another engine.
inline sqlite3* sqliteHandle(QSqlDatabase db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

}
