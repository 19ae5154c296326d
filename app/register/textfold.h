#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>

struct sqlite3;

namespace ventrix::app {

// Identifications are the same whatever their case, accented letters included ("Peña" and
// "PEÑA"); SQLite's own upper() and LIKE only fold ASCII, so the connection gets two functions
// that fold as the program does: vx_upper(text) and vx_sortkey(text).
QString foldIdentification(const QString& text);
// The key the register is ordered by: case and accents ignored, "Ñ" after "N".
QString sortKey(const QString& text);

// Appends to out the sort key of UTF-8 text: the UTF-8 bytes vx_sortkey gives for it.
void appendSortKey(QByteArray& out, const char* text, int size);

// The connection's SQLite handle; nullptr when it is not an open SQLite connection.
sqlite3* sqliteHandle(QSqlDatabase db);

// Registers vx_upper and vx_sortkey on the connection; safe to call more than once.
bool registerTextFunctions(QSqlDatabase db);

}
