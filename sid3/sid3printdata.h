#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "sid3/activitytax.h"
#include "sid3/balance.h"
#include "sid3/declaration.h"
#include "sid3/registerstore.h"
#include "sid3/sid3store.h"

#include <array>

namespace ventrix::sid3 {

// One of the six activity lines the printed form has room for.
struct PrintedLine
{
    QString codigo;
    QString denominacion;
    Rate alicuota;
    Money base;
    Money impuesto;
    Money minimo;
    bool operator==(const PrintedLine&) const = default;
};

// The printed lines: up to six as stored; more than six grouped by rate (ascending), each group
// with the code and name (without its premises tag) of its first line, the greatest minimum and
// the sums of bases and taxes. More than six rates do not fit the form and are refused.
Result<QList<PrintedLine>> printedLines(const QList<ActivityLine>& lines);

// Everything a printed declaration shows, read from the stored declaration.
struct Sid3PrintData
{
    Declaration declaration;
    QString contribuyente;
    QList<ActivityLine> lines;
    QList<PrintedLine> printed;
    TaxSummary summary;
    Balance balance;
    std::array<QList<RegisterRecord>, 4> records; // by Register, in the order they were entered

    const QList<RegisterRecord>& recordsOf(Register r) const { return records.at(static_cast<size_t>(r)); }
};

// Reads a stored declaration of the taxpayer with its lines and register records and recomputes
// its tax, minimum and balance as the screen shows them. A declaration of another taxpayer, or
// lines that do not fit the form, are refused.
Result<Sid3PrintData> loadPrintData(data::AccesoDatos& db, qint64 cmdId, qint64 sidId);

}
