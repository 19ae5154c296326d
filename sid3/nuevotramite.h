#pragma once

#include "common/result.h"
#include "rates/indicestable.h"
#include "sid3/declaration.h"
#include "sid3/period.h"
#include "sid3/sid3store.h"

namespace ventrix::sid3 {

// The period and procedure a new declaration starts with, and the period's rate.
struct NewPeriod
{
    Period period;
    Procedure procedure = Procedure::Anticipo;
    Rate tasa;

    // The head of the new, not yet stored declaration of the inscription.
    Declaration declaration(qint64 cp01Id) const;
};

// The rules of the dialog that starts a new declaration: which periods and procedures may be
// declared, each refusal with the authority's message.
class NuevoTramite
{
public:
    NuevoTramite(Sid3Store& store, rates::IndicesTable& indices, qint64 cmdId, qint64 cp01Id)
        : m_store(store)
        , m_indices(indices)
        , m_cmdId(cmdId)
        , m_cp01Id(cp01Id)
    {
    }

    // The period the dialog proposes: the month before today.
    static Period CargaTasa();

    // "&Aceptar": the month and year as typed (the year already normalised) and the chosen
    // procedure, if any.
    Result<NewPeriod> accept(int month, int year, std::optional<Procedure> procedure);

private:
    Status checkProcedure(Period period, Procedure procedure);

    Sid3Store& m_store;
    rates::IndicesTable& m_indices;
    qint64 m_cmdId;
    qint64 m_cp01Id;
};

}
