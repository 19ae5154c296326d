#pragma once

#include <QSqlDatabase>
#include <QString>

namespace ventrix {

// Fills a new database with the lists it is delivered with: activity nomenclature,
// provinces, countries, document types and the history of daily indices.
bool loadReferenceData(QSqlDatabase db, QString* error);

}
