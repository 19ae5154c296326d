#include "cp02/cp02printout.h"

#include "cp02/annualtax.h"
#include "cp02/paymentdate.h"

namespace ventrix::cp02 {
namespace {

QString joined(const QStringList& values)
{
    QString out;
    for (const QString& v : values)
        out += v + u'|';
    return out;
}

PrintedMonth printedMonth(const QString& mes, QDate fecha, const MonthAmounts& a)
{
    return { mes, recordDate(fecha), printedAmount(a.base), printedAmount(a.anticipo),
        printedAmount(a.minimo), printedAmount(a.computado), printedAmount(a.retenciones),
        printedAmount(a.saldo), printedAmount(a.depositado) };
}

// The totals line shows every column, 0,00 when no month has an amount.
MonthAmounts filled(MonthAmounts a)
{
    for (std::optional<Money>* m :
        { &a.base, &a.anticipo, &a.minimo, &a.computado, &a.retenciones, &a.saldo, &a.depositado })
        *m = m->value_or(Money());
    return a;
}

QStringList monthValues(const PrintedMonth& m)
{
    return { m.fecha, m.base, m.anticipo, m.minimo, m.computado, m.retenciones, m.saldo, m.depositado };
}

}

QString printedAmount(const std::optional<Money>& amount)
{
    return amount ? amount->toPlain().replace(u'.', u',') : QString();
}

QString Cp02Printout::record1() const
{
    QStringList v { receipt, periodo, nombre, cuit, isib, calle, numero, monoblock, planta, piso, depto,
        oficina, localidad, provincia, codPostal };
    for (const PrintedActivity& a : activities)
        v << a.codigo << a.actividad << a.empleados << a.base << a.alicuota << a.impuesto;
    v << totalBase << totalImpuesto;
    for (const PrintedMonth& m : months)
        v << monthValues(m);
    v << monthValues(totals).mid(1);
    return joined(v);
}

QString Cp02Printout::record2() const
{
    QStringList v { receipt, periodo, impuesto, retenciones, depositado, favorAgt, favorContrib };
    for (const PrintedExempt& e : exempt)
        v << e.numero << e.normaLegal << e.anio << e.porcentaje << e.inicio << e.fin << e.importe;
    v << fechaEmpleados << empleados << condIva;
    return joined(v);
}

Cp02Printout makePrintout(const Cp02Record& r, const TaxpayerData& t, const QString& receipt)
{
    Cp02Printout p;
    p.receipt = receipt;
    p.periodo = QString::number(r.periodo());
    const auto cp01
        = [&t](const char* column) { return t.text(QLatin1StringView("CP01_") + QLatin1StringView(column)); };
    p.nombre = cp01("Contribuyente");
    p.cuit = cp01("CUIT");
    p.isib = cp01("IngBrut");
    p.calle = cp01("DomFisc_Domicilio");
    p.numero = cp01("DomFisc_DomNumero");
    p.monoblock = cp01("DomFisc_Monoblock");
    p.planta = cp01("DomFisc_Planta");
    p.piso = cp01("DomFisc_Piso");
    p.depto = cp01("DomFisc_Depto");
    p.oficina = cp01("DomFisc_Oficina");
    p.localidad = cp01("DomFisc_Localidad");
    p.provincia = cp01("DomFisc_Provincia");
    p.codPostal = cp01("DomFisc_CodPostal");
    p.telefono = QString(cp01("DomFisc_Te_Caract") + u' ' + cp01("DomFisc_Telefono")).trimmed();
    p.condIva = cp01("RegPubCom_CondIVA");
    for (const AnnualActivity& a : r.activities) {
        if (!a.hasCode())
            continue;
        p.activities.append({ a.codigo, a.actividad, a.numEmp ? QString::number(*a.numEmp) : QString(),
            printedAmount(a.base), printedAmount(a.alicuota), printedAmount(a.impuesto) });
    }
    const ActivityTotals totals = activityTotals(r.activities);
    p.totalBase = printedAmount(totals.base);
    p.totalImpuesto = printedAmount(totals.impuesto);
    const MonthlyResult monthly = CalculaTotalGrid2(r.months, MinimoOption::Ninguna, {});
    for (const MonthRow& m : r.months)
        p.months.append(printedMonth(m.mes, m.fechaPago, m.amounts));
    p.totals = printedMonth(QStringLiteral("TOTALES"), {}, filled(monthly.totals));
    p.impuesto = printedAmount(r.money(col::Impuesto).value_or(Money()));
    p.retenciones = printedAmount(r.money(col::Retenciones).value_or(Money()));
    p.depositado = printedAmount(r.money(col::ImpDepos).value_or(Money()));
    p.favorAgt = printedAmount(r.money(col::FavorAgt).value_or(Money()));
    p.favorContrib = printedAmount(r.money(col::FavorContrib).value_or(Money()));
    for (int n = 1; n <= 5; ++n) {
        const auto item = [n](const char* name) { return col::exempt(n, QString::fromLatin1(name)); };
        p.exempt.at(n - 1) = { r.text(item("Numero")), r.text(item("NormaLegal")),
            r.text(col::exempt(n, QStringLiteral("Año"))), printedAmount(r.money(item("Porcent"))),
            recordDate(r.date(item("FechaIni"))), recordDate(r.date(item("FechaFin"))),
            printedAmount(r.money(item("ImporAlc"))) };
    }
    p.fechaEmpleados = recordDate(QDate(r.periodo(), 12, 31));
    p.empleados = r.integer(col::NumEmpleados) ? QString::number(*r.integer(col::NumEmpleados)) : QString();
    return p;
}

}
