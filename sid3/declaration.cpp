#include "sid3/declaration.h"

#include "common/regional.h"
#include "sid3/sid3messages.h"

namespace ventrix::sid3 {
namespace {

struct RegisterColumns
{
    const char16_t* table;
    const char16_t* caption;
    const char16_t* countCaption;
    const char16_t* amount;
    const char16_t* count;
};

constexpr std::array<RegisterColumns, 4> Columns { {
    { u"Retenciones", u"Retenciones...", u"Retenciones: cantidad =", u"Sid_Retenciones",
        u"Sid_Retencion_NumReg" },
    { u"Percepciones", u"Percepciones...", u"Percepciones: cantidad =", u"Sid_Percepciones",
        u"Sid_Percepcion_NumReg" },
    { u"PagoACuenta", u"Otros Pagos...", u"Otros Pagos: cantidad =", u"Sid_Otros", u"Sid_Otros_NumReg" },
    { u"Compensaciones", u"Compensaciones...", u"Compensaciones: cantidad =", u"Sid_Compensaciones",
        u"Sid_Compensaciones_NumReg" },
} };

const RegisterColumns& columnsOf(Register r)
{
    return Columns.at(static_cast<size_t>(r));
}

QVariant money(const std::optional<Money>& m)
{
    return m ? QVariant::fromValue(*m) : QVariant();
}

// A bound value as an amount: stored amounts come as Money, typed ones as display text.
std::optional<Money> moneyOf(const QVariant& v)
{
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    if (!v.isValid() || v.toString().trimmed().isEmpty())
        return std::nullopt;
    return Money::fromDisplay(v.toString());
}

// A bound date: stored dates come as QDate, typed ones as "15/04/2003".
QDate dateOf(const QVariant& v)
{
    if (v.metaType() == QMetaType::fromType<QDate>())
        return v.toDate();
    return regional::parseDate(v.toString().trimmed()).value_or(QDate());
}

std::optional<qint64> integerOf(const QVariant& v)
{
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return v.isValid() && ok ? std::optional(n) : std::nullopt;
}

}

QString procedureName(Procedure procedure)
{
    return procedure == Procedure::Anticipo ? msg::anticipo() : msg::rectificativa();
}

QString registerTable(Register r)
{
    return QString::fromUtf16(columnsOf(r).table);
}

QString registerCaption(Register r)
{
    return QString::fromUtf16(columnsOf(r).caption);
}

QString registerCountCaption(Register r, int count)
{
    return QString::fromUtf16(columnsOf(r).countCaption) + u' ' + QString::number(count);
}

FieldValues declarationFields(const Declaration& d)
{
    FieldValues v;
    v[QStringLiteral("Sid_Mes")] = d.month > 0 ? QVariant(qint64(d.month)) : QVariant();
    v[QStringLiteral("Sid_Año")] = d.year > 0 ? QVariant(qint64(d.year)) : QVariant();
    v[QStringLiteral("Sid_Tramite")] = d.tramite > 0 ? QVariant(qint64(d.tramite)) : QVariant();
    v[QStringLiteral("Sid_Tramite_Descrip")] = d.tramiteDescrip;
    v[QStringLiteral("Sid_Tasa_Mes")] = money(d.tasaMes);
    v[QStringLiteral("Sid_IB")] = d.ib;
    v[QStringLiteral("Sid_CUIT")] = d.cuit;
    v[QStringLiteral("Sid_Gravado")] = QVariant::fromValue(d.gravado);
    v[QStringLiteral("Sid_No_Gravado")] = QVariant::fromValue(d.noGravado);
    v[QStringLiteral("Sid_Excento")] = QVariant::fromValue(d.exento);
    v[QStringLiteral("Sid_TasaCero")] = QVariant::fromValue(d.tasaCero);
    v[QStringLiteral("Sid_NumEmpleado")] = d.numEmpleado ? QVariant(*d.numEmpleado) : QVariant();
    v[QStringLiteral("Sid_SubTotal_AGT")] = money(d.subTotalAgt);
    for (Register r : AllRegisters) {
        v[QString::fromUtf16(columnsOf(r).amount)] = QVariant::fromValue(d.registerTotal(r).total);
        v[QString::fromUtf16(columnsOf(r).count)] = QVariant(qint64(d.registerTotal(r).count));
    }
    v[QStringLiteral("Sid_Saldo_Contrib")] = QVariant::fromValue(d.saldoContrib);
    v[QStringLiteral("Sid_Saldo_AGT")] = QVariant::fromValue(d.saldoAgt);
    v[QStringLiteral("Sid_Fh_Vto")] = d.fhVto.isValid() ? QVariant(d.fhVto) : QVariant();
    v[QStringLiteral("Sid_Fecha_Pago")] = d.fechaPago.isValid() ? QVariant(d.fechaPago) : QVariant();
    v[QStringLiteral("Sid_Interes")] = money(d.interes);
    v[QStringLiteral("Sid_Total_Depositar")] = money(d.totalDepositar);
    v[QStringLiteral("Sid_Importe_Pagado")] = money(d.importePagado);
    return v;
}

Declaration withDeclarationFields(Declaration d, const FieldValues& v)
{
    auto get = [&v](const char16_t* column) { return v.value(QString::fromUtf16(column)); };
    auto amount = [&](const char16_t* column) { return moneyOf(get(column)).value_or(Money()); };
    d.month = static_cast<int>(integerOf(get(u"Sid_Mes")).value_or(0));
    d.year = static_cast<int>(integerOf(get(u"Sid_Año")).value_or(0));
    d.tramite = static_cast<int>(integerOf(get(u"Sid_Tramite")).value_or(0));
    d.tramiteDescrip = get(u"Sid_Tramite_Descrip").toString();
    d.tasaMes = moneyOf(get(u"Sid_Tasa_Mes"));
    d.ib = get(u"Sid_IB").toString();
    d.cuit = get(u"Sid_CUIT").toString();
    d.gravado = amount(u"Sid_Gravado");
    d.noGravado = amount(u"Sid_No_Gravado");
    d.exento = amount(u"Sid_Excento");
    d.tasaCero = amount(u"Sid_TasaCero");
    d.numEmpleado = integerOf(get(u"Sid_NumEmpleado"));
    d.subTotalAgt = moneyOf(get(u"Sid_SubTotal_AGT"));
    for (Register r : AllRegisters) {
        d.registerTotal(r).total = amount(columnsOf(r).amount);
        d.registerTotal(r).count = static_cast<int>(integerOf(get(columnsOf(r).count)).value_or(0));
    }
    d.saldoContrib = amount(u"Sid_Saldo_Contrib");
    d.saldoAgt = amount(u"Sid_Saldo_AGT");
    d.fhVto = dateOf(get(u"Sid_Fh_Vto"));
    d.fechaPago = dateOf(get(u"Sid_Fecha_Pago"));
    d.interes = moneyOf(get(u"Sid_Interes"));
    d.totalDepositar = moneyOf(get(u"Sid_Total_Depositar"));
    d.importePagado = moneyOf(get(u"Sid_Importe_Pagado"));
    return d;
}

}
