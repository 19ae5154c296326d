#include "plans/ib08record.h"

#include "common/regional.h"
#include "plans/ib08messages.h"

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
    const QString text = v.toString().trimmed();
    if (auto shown = Money::fromDisplay(text))
        return shown;
    return Money::fromPlain(text);
}

QDate dateOf(const QVariant& v)
{
    if (isNull(v))
        return {};
    if (v.metaType() == QMetaType::fromType<QDate>())
        return v.toDate();
    const QString text = v.toString().trimmed();
    if (auto shown = regional::parseDate(text))
        return *shown;
    return QDate::fromString(text, Qt::ISODate);
}

QVariant stored(const std::optional<Money>& v)
{
    return v ? QVariant::fromValue(*v) : QVariant();
}

}

QString conceptText(Ib08Concept tramite)
{
    switch (tramite) {
    case Ib08Concept::Interes:
        return msg::conceptoInteres();
    case Ib08Concept::Multa:
        return msg::conceptoMulta();
    case Ib08Concept::Reinscripcion:
        return msg::conceptoReinscripcion();
    case Ib08Concept::Inscripcion:
        return msg::conceptoInscripcion();
    }
    return {};
}

std::optional<Money> ib08Total(const Ib08Payment& p)
{
    if (!p.importe && !p.actualizacion && !p.interes)
        return std::nullopt;
    const Money none;
    return p.importe.value_or(none) + p.actualizacion.value_or(none) + p.interes.value_or(none);
}

FieldValues ib08Fields(const Ib08Payment& p)
{
    FieldValues f;
    f.insert(ib08col::Id, p.id ? QVariant(p.id) : QVariant());
    f.insert(ib08col::PosFiscal, p.posFiscal.isEmpty() ? QVariant() : QVariant(p.posFiscal));
    f.insert(ib08col::FechaPago, p.fechaPago.isValid() ? QVariant(p.fechaPago) : QVariant());
    f.insert(ib08col::Importe, stored(p.importe));
    f.insert(ib08col::Actualizacion, stored(p.actualizacion));
    f.insert(ib08col::Interes, stored(p.interes));
    f.insert(ib08col::Total, stored(p.total));
    return f;
}

Ib08Payment ib08Payment(const FieldValues& f)
{
    Ib08Payment p;
    p.id = f.value(ib08col::Id).toLongLong();
    p.cp01Id = f.value(ib08col::Cp01Id).toLongLong();
    p.posFiscal = f.value(ib08col::PosFiscal).toString().trimmed();
    p.fechaPago = dateOf(f.value(ib08col::FechaPago));
    p.importe = moneyOf(f.value(ib08col::Importe));
    p.actualizacion = moneyOf(f.value(ib08col::Actualizacion));
    p.interes = moneyOf(f.value(ib08col::Interes));
    p.total = moneyOf(f.value(ib08col::Total));
    return p;
}

QString Ib08Entry::text() const
{
    return regional::formatDate(fechaPago);
}

}
