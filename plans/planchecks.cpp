#include "plans/planchecks.h"

#include "plans/plansmessages.h"

namespace ventrix::plans {

std::optional<QString> planRequestCheck(const PaymentPlan& plan)
{
    const bool complete = !plan.tipoForm.trimmed().isEmpty() && !plan.numPFP.trimmed().isEmpty() && plan.tasa
        && plan.importeAnticipo && plan.importeCuota && plan.importeDeuda && plan.cantCuotas
        && plan.fechaAprob.isValid() && plan.fechaVtoCta2.isValid();
    if (!complete)
        return msg::completeCampos();
    return std::nullopt;
}

QString amountOnLeaving(QStringView typed)
{
    const QStringView text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    // Any number of decimals is still a number; the field's format rounds it later.
    if (Fixed<8>::fromDisplay(text))
        return typed.toString();
    return QStringLiteral("0");
}

}
