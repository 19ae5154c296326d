#pragma once

#include "common/print/pagerecord.h"
#include "cp02/cp02record.h"

#include <QList>
#include <QString>

#include <array>

namespace ventrix::cp02 {

// A value as the printed pages and their records carry it: amounts "1234,50" (two decimals, no
// grouping), empty when missing.
QString printedAmount(const std::optional<Money>& amount);

// The page records are closed as every form's are (print::closePageRecord).
using print::closePageRecord;

// One line of the activity table as printed.
struct PrintedActivity
{
    QString codigo, actividad, empleados, base, alicuota, impuesto;
};

// One month (or the totals line) of the advances table as printed.
struct PrintedMonth
{
    QString mes, fecha, base, anticipo, minimo, computado, retenciones, saldo, depositado;
};

// One exempt activity as printed.
struct PrintedExempt
{
    QString numero, normaLegal, anio, porcentaje, inicio, fin, importe;
};

// Every value of the two printed pages of an annual declaration, formatted once, so that the pages
// and their records say the same. Names are kept whole here: only the paper shortens them.
struct Cp02Printout
{
    QString receipt, periodo;
    QString nombre, cuit, isib, calle, numero, monoblock, planta, piso, depto, oficina, localidad, provincia,
        codPostal, telefono;
    QList<PrintedActivity> activities;
    QString totalBase, totalImpuesto;
    QList<PrintedMonth> months;
    PrintedMonth totals;
    QString impuesto, retenciones, depositado, favorAgt, favorContrib;
    std::array<PrintedExempt, 5> exempt;
    QString fechaEmpleados, empleados, condIva;

    // The records of page 1 and page 2, each value followed by "|", not yet closed.
    QString record1() const;
    QString record2() const;
};

// The printout of a stored declaration with the receipt number drawn for this print.
Cp02Printout makePrintout(const Cp02Record& record, const TaxpayerData& taxpayer, const QString& receipt);

}
