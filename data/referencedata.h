#pragma once

#include "common/result.h"

#include <QSqlDatabase>

#include <functional>

namespace ventrix::data {

// Delivered data that another library owns and writes itself (the history of daily indices is
// the rates library's), loaded inside the same transaction as the lists.
using MoreReferenceData = std::function<Status(QSqlDatabase)>;

// Fills a new database with the lists it is delivered with: activity nomenclature, provinces,
// countries, document types, marital states, legal natures and VAT conditions, then runs `more`
// (when set). One transaction: on failure nothing is left behind.
Status loadReferenceData(QSqlDatabase db, const MoreReferenceData& more);

}
