#pragma once

#include <QSqlDatabase>
#include <QString>

namespace ventrix {

// Runs every SQL statement of the text in order; false with the engine's error on the first failure.
bool runScript(QSqlDatabase db, const QString& script, QString* error);

// Brings the schema from its current PRAGMA user_version to the latest, one step at a time,
// each in its own transaction. Returns false with the reason when a step fails.
bool applyMigrations(QSqlDatabase db, QString* error);

int latestMigration();

// The taxpayer's access password column, added to databases that were made without it.
bool AgregaCampo(QSqlDatabase db, QString* error);

}
