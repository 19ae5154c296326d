#include "plans/slipline.h"

#include "common/print/pagecanvas.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {
namespace {

QString amountSource(const std::optional<Money>& amount)
{
    return amount ? amount->toPlain() : QString();
}

QString dateSource(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("ddMMyy")) : QString();
}

}

QString planNumberText(const QString& numPFP)
{
    const QString typed = numPFP.trimmed();
    for (QChar c : typed) {
        if (c < u'0' || c > u'9')
            return typed;
    }
    return typed.rightJustified(7, u'0');
}

QList<SlipField> slipFields(const InstalmentSlip& slip, const QString& cuit)
{
    return {
        { QStringLiteral("CUIT"), 11, cuit },
        { QStringLiteral("Plan Nº"), 7, slip.plan.numPFP },
        { QStringLiteral("Cuota Nº"), 4, slip.cuota ? QString::number(*slip.cuota) : QString() },
        { QStringLiteral("Vto."), 6, dateSource(slip.vencimiento) },
        { QStringLiteral("Importe Cuota"), 10, amountSource(slip.plan.importeCuota) },
        { QStringLiteral("Interés"), 10, amountSource(slip.interes) },
        { QStringLiteral("Total"), 10, amountSource(slip.total) },
        { QStringLiteral("Fecha de Pago"), 6, dateSource(slip.pago) },
    };
}

Result<QString> slipNumericLine(const InstalmentSlip& slip, const QString& cuit)
{
    QString line;
    for (const SlipField& f : slipFields(slip, cuit)) {
        if (f.source.trimmed().startsWith(u'-'))
            return Error { msg::valorNegativo(f.label) };
        const QString digits = print::rellenar(f.source, f.width);
        if (digits.size() > f.width)
            return Error { msg::valorNoCabe(f.label, digits.size(), f.width) };
        line += digits;
    }
    return line;
}

}
