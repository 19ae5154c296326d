#include "sid3/nuevotramite.h"

#include "common/clock.h"
#include "sid3/sid3messages.h"

namespace ventrix::sid3 {

Declaration NewPeriod::declaration(qint64 cp01Id) const
{
    Declaration d;
    d.cp01Id = cp01Id;
    d.month = period.month;
    d.year = period.year;
    d.tramite = static_cast<int>(procedure);
    d.tramiteDescrip = procedureName(procedure);
    d.tasaMes = tasa;
    return d;
}

Period NuevoTramite::CargaTasa()
{
    return proposedPeriod(Clock::today());
}

Result<NewPeriod> NuevoTramite::accept(int month, int year, std::optional<Procedure> procedure)
{
    if (auto m = checkMonth(month); !m)
        return Error { m.error() };
    const Period period { month, normalizeYear(year) };
    if (auto early = checkNotInAdvance(period, Clock::today()); !early)
        return Error { early.error() };
    std::optional<rates::IndexDay> paymentDay;
    if (!m_indices.day(period.paymentMonth(), &paymentDay))
        return Error { msg::errorAcceso() };
    if (!paymentDay)
        return Error { msg::sinIndiceMesPago() };
    if (!procedure)
        return Error { msg::seleccioneTramite() };
    if (auto allowed = checkProcedure(period, *procedure); !allowed)
        return Error { allowed.error() };
    std::optional<rates::IndexDay> first;
    if (!m_indices.day(period.firstDay(), &first))
        return Error { msg::errorAcceso() };
    if (!first)
        return Error { msg::sinTasaPeriodo(period.month, period.year) };
    return NewPeriod { period, *procedure, first->tasa };
}

Status NuevoTramite::checkProcedure(Period period, Procedure procedure)
{
    if (procedure == Procedure::Anticipo) {
        auto n = m_store.anticiposOfInscription(m_cp01Id, period);
        if (!n)
            return Error { n.error() };
        if (*n > 0)
            return Error { msg::anticipoExistente(period.month, period.year) };
        return {};
    }
    auto n = m_store.anticiposOfTaxpayer(m_cmdId, period);
    if (!n)
        return Error { n.error() };
    if (*n == 0)
        return Error { msg::sinAnticipo(period.month, period.year) };
    return {};
}

}
