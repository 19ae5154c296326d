#pragma once

#include "common/fixed.h"

#include <QList>
#include <QString>

#include <optional>

namespace ventrix::sid3 {

// A line's tax kept as computed: base (cents) times rate (hundredths of a percent) over 100 is
// exact at six places, so nothing is lost before the totals are shown.
using TaxAmount = Fixed<6>;

// One activity line of a declaration: a row of Form_Sid3_Act.
struct ActivityLine
{
    QString codigo;
    QString denominacion; // premises tag ("Com1:") followed by the activity name
    bool exento = false;
    std::optional<qint64> numEmp;
    std::optional<Money> baseMinimo;
    std::optional<Rate> alicuota;
    std::optional<Money> baseImp; // typed by the user; empty reads as zero
    TaxAmount impuesto;

    bool hasCode() const { return !codigo.trimmed().isEmpty(); }
    bool operator==(const ActivityLine&) const = default;
};

// The nomenclature minimum that applies for the declared employees: 0 or 1, 2, any other count.
enum class MinimumColumn { Minimo1, Minimo2, Minimo3 };
MinimumColumn minimumColumn(std::optional<qint64> numEmpleados);
QString minimumColumnName(MinimumColumn column);

// The tax of one line: nothing when exempt, else base times rate over 100, unrounded.
TaxAmount lineTax(const ActivityLine& line);

// The greatest minimum among non-exempt lines that carry one (0 when none).
Money linesMinimum(const QList<ActivityLine>& lines);

// Totals of a declaration's activity lines.
struct TaxSummary
{
    Money gravado; // bases of taxed lines
    Money exento; // bases of exempt lines
    Money tasaCero; // bases of lines at rate 0
    TaxAmount totalTax;
    Money minimum; // the minimum that applies
    std::optional<Money> totalComputable; // the greater of the shown tax and the minimum

    Money totalTaxShown() const { return totalTax.rescaled<2>(); }
    Money baseFooter() const { return gravado + exento; } // the "Base Imp." footer
    Money totalIngresoPeriodo() const { return gravado + exento + tasaCero; }
    bool operator==(const TaxSummary&) const = default;
};

// Recomputes every line's tax and the totals. The nomenclature minimum, when one was found for
// the lines' codes, replaces the minimum of the lines themselves.
TaxSummary CalculaImpuesto(QList<ActivityLine>& lines, std::optional<Money> nomenclaMinimum);

// "Total Exentos" and "Total" of the income distribution.
struct IncomeTotals
{
    Money totalExentos;
    Money totalImpuestos;
    bool operator==(const IncomeTotals&) const = default;
};
IncomeTotals SumTotal(Money noGravado, Money gravado, Money exento);

}
