#pragma once

#include <QSqlDatabase>
#include <QString>

namespace ventrix {

// Identifications are the same whatever their case, accented letters included ("Peña" and
// "PEÑA"); SQLite's own upper() and LIKE only fold ASCII, so the connection gets two functions
// that fold as the program does: vx_upper(text) and vx_sortkey(text).
QString foldIdentification(const QString& text);
// The key the register is ordered by: case and accents ignored, "Ñ" after "N".
QString sortKey(const QString& text);

// Registers vx_upper and vx_sortkey on the connection; safe to call more than once.
bool registerTextFunctions(QSqlDatabase db);

}
