#include "plans/ib08barcode.h"

#include "common/fieldchecks.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {
namespace {

QString cents(const std::optional<Money>& amount)
{
    return amount ? QString::number(amount->units()) : QString();
}

QString surcharges(const Ib08Payment& p)
{
    if (!p.actualizacion && !p.interes)
        return QString();
    return cents(p.actualizacion.value_or(Money()) + p.interes.value_or(Money()));
}

// "05/26" -> "0526".
QString position(const QString& posFiscal)
{
    return digitsOnly(posFiscal);
}

QString paymentDay(QDate date)
{
    if (!date.isValid())
        return QString();
    return QString::number(date.year() % 10) + QStringLiteral("%1").arg(date.dayOfYear(), 3, 10, QChar(u'0'));
}

}

QList<Ib08BarcodeField> ib08BarcodeFields(
    const QString& cuit, const QString& formNumber, Ib08Concept tramite, const Ib08Payment& p)
{
    return {
        { QStringLiteral("CUIT"), 11, digitsOnly(cuit) },
        { QStringLiteral("Número de formulario"), 10, digitsOnly(formNumber) },
        { QStringLiteral("Trámite"), 1, QString::number(static_cast<int>(tramite)) },
        { QStringLiteral("Posición Fiscal"), 4, position(p.posFiscal) },
        { QStringLiteral("Importe"), 8, cents(p.importe) },
        { QStringLiteral("Actualización e Interés"), 8, surcharges(p) },
        { QStringLiteral("TOTAL"), 8, cents(p.total) },
        { QStringLiteral("Fecha de Pago"), 4, paymentDay(p.fechaPago) },
    };
}

Result<QString> ib08BarcodeDigits(
    const QString& cuit, const QString& formNumber, Ib08Concept tramite, const Ib08Payment& payment)
{
    QString digits;
    for (const Ib08BarcodeField& f : ib08BarcodeFields(cuit, formNumber, tramite, payment)) {
        if (f.source.startsWith(u'-'))
            return Error { msg::valorNegativo(f.label) };
        if (f.source.size() > f.width)
            return Error { msg::valorNoCabe(f.label, f.source.size(), f.width) };
        digits += f.source.rightJustified(f.width, u'0');
    }
    return digits;
}

}
