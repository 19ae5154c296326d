#pragma once

#include "common/fixed.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace ventrix {

// One month of the late-payment rate history the program is delivered with.
struct MonthlyRate
{
    QDate month; // first day of the month
    Rate rate; // percent a month
};

// The delivered monthly rates, oldest first, without gaps.
QList<MonthlyRate> deliveredMonthlyRates();

// Fills a new database with the lists it is delivered with: activity nomenclature,
// provinces, countries, document types, marital states, legal natures, VAT conditions and
// the history of daily indices built from the delivered monthly rates. One transaction:
// on failure nothing is left behind.
bool loadReferenceData(QSqlDatabase db, QString* error);

}
