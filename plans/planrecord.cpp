#include "plans/planrecord.h"

#include "common/regional.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {
namespace {

bool isNull(const QVariant& v)
{
    return !v.isValid() || v.isNull();
}

std::optional<Money> moneyOf(const QVariant& v)
{
    if (isNull(v))
        return std::nullopt;
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    // Typed on a screen: the display format, any number of decimals rounded to cents.
    if (auto typed = Fixed<8>::fromDisplay(v.toString().trimmed()))
        return typed->rescaled<2>();
    return std::nullopt;
}

QDate dateOf(const QVariant& v)
{
    if (isNull(v))
        return {};
    if (v.metaType() == QMetaType::fromType<QDate>())
        return v.toDate();
    return regional::parseDate(v.toString().trimmed()).value_or(QDate());
}

std::optional<qint64> integerOf(const QVariant& v)
{
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return isNull(v) || !ok ? std::nullopt : std::optional<qint64>(n);
}

QVariant stored(const std::optional<Money>& v)
{
    return v ? QVariant::fromValue(*v) : QVariant();
}

QVariant stored(QDate d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}

}

FieldValues planFields(const PaymentPlan& plan)
{
    FieldValues f;
    f.insert(col::Id, plan.id ? QVariant(plan.id) : QVariant());
    f.insert(col::TipoForm, plan.tipoForm);
    f.insert(col::Tasa, stored(plan.tasa));
    f.insert(col::FechaAprob, stored(plan.fechaAprob));
    f.insert(col::FechaVtoCta2, stored(plan.fechaVtoCta2));
    f.insert(col::ImporteDeuda, stored(plan.importeDeuda));
    f.insert(col::ImporteAnticipo, stored(plan.importeAnticipo));
    f.insert(col::ImporteCuota, stored(plan.importeCuota));
    f.insert(col::CantCuotas, plan.cantCuotas ? QVariant(*plan.cantCuotas) : QVariant());
    f.insert(col::NumPFP, plan.numPFP);
    return f;
}

PaymentPlan paymentPlan(const FieldValues& fields)
{
    PaymentPlan p;
    p.id = integerOf(fields.value(col::Id)).value_or(0);
    p.cp01Id = integerOf(fields.value(col::Cp01Id)).value_or(0);
    p.tipoForm = fields.value(col::TipoForm).toString();
    p.tasa = moneyOf(fields.value(col::Tasa));
    p.fechaAprob = dateOf(fields.value(col::FechaAprob));
    p.fechaVtoCta2 = dateOf(fields.value(col::FechaVtoCta2));
    p.importeDeuda = moneyOf(fields.value(col::ImporteDeuda));
    p.importeAnticipo = moneyOf(fields.value(col::ImporteAnticipo));
    p.importeCuota = moneyOf(fields.value(col::ImporteCuota));
    p.cantCuotas = integerOf(fields.value(col::CantCuotas));
    p.numPFP = fields.value(col::NumPFP).toString();
    return p;
}

QString planListText(const PaymentPlan& plan)
{
    const QString count = plan.cantCuotas ? QString::number(*plan.cantCuotas) : QString();
    return plan.fechaAprob.toString(QStringLiteral("dd/MM/yyyy")) + u' ' + msg::cantidadCuotas() + u' '
        + count;
}

}
