#pragma once

#include <QSqlDatabase>
#include <QString>

namespace ventrix::data {

// Runs every SQL statement of the text in order; false with the engine's error on the first failure.
bool runScript(QSqlDatabase db, const QString& script, QString* error);

// Brings the schema from its current PRAGMA user_version up to targetVersion (the latest
// when negative), one step at a time, each in its own transaction. Returns false with the
// reason when a step fails; the failed step leaves nothing behind.
bool applyMigrations(QSqlDatabase db, QString* error, int targetVersion = -1);

int latestMigration();

// The taxpayer's access password column, added to databases that were made without it.
// The column is declared 20 characters wide; the register stores a salted hash there
// (SQLite does not enforce declared widths).
bool AgregaCampo(QSqlDatabase db, QString* error);

}
