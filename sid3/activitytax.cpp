#include "sid3/activitytax.h"

namespace ventrix::sid3 {

MinimumColumn minimumColumn(std::optional<qint64> numEmpleados)
{
    const qint64 n = numEmpleados.value_or(0);
    if (n == 0 || n == 1)
        return MinimumColumn::Minimo1;
    if (n == 2)
        return MinimumColumn::Minimo2;
    return MinimumColumn::Minimo3;
}

QString minimumColumnName(MinimumColumn column)
{
    switch (column) {
    case MinimumColumn::Minimo1:
        return QStringLiteral("Minimo1");
    case MinimumColumn::Minimo2:
        return QStringLiteral("Minimo2");
    case MinimumColumn::Minimo3:
        break;
    }
    return QStringLiteral("Minimo3");
}

TaxAmount lineTax(const ActivityLine& line)
{
    if (line.exento || !line.alicuota)
        return {};
    const TaxAmount base = line.baseImp.value_or(Money()).rescaled<6>();
    return base.percent(*line.alicuota);
}

Money linesMinimum(const QList<ActivityLine>& lines)
{
    Money minimum;
    for (const ActivityLine& line : lines) {
        if (!line.exento && line.baseMinimo && *line.baseMinimo > minimum)
            minimum = *line.baseMinimo;
    }
    return minimum;
}

TaxSummary CalculaImpuesto(QList<ActivityLine>& lines, std::optional<Money> nomenclaMinimum)
{
    TaxSummary s;
    for (ActivityLine& line : lines) {
        line.impuesto = lineTax(line);
        s.totalTax += line.impuesto;
        if (!line.alicuota)
            continue;
        const Money base = line.baseImp.value_or(Money());
        if (line.exento)
            s.exento += base;
        else if (line.alicuota->isZero())
            s.tasaCero += base;
        else
            s.gravado += base;
    }
    s.minimum = nomenclaMinimum.value_or(linesMinimum(lines));
    // The comparison is made on the tax as the footer shows it; a tie takes the tax.
    const Money shown = s.totalTaxShown();
    s.totalComputable = shown >= s.minimum ? shown : s.minimum;
    return s;
}

IncomeTotals SumTotal(Money noGravado, Money gravado, Money exento)
{
    const Money totalExentos = noGravado + exento;
    return { totalExentos, gravado + totalExentos };
}

}
