#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "plans/planrecord.h"

namespace ventrix::plans {

// Reads and writes a taxpayer's payment plans (table Form_PFP, one row per plan under one of the
// taxpayer's inscriptions) and the inscription data the plan screens show.
class PlanStore
{
public:
    explicit PlanStore(data::AccesoDatos& db);

    // The plans of every inscription of the taxpayer, newest plan first.
    Result<QList<PaymentPlan>> plansOf(qint64 cmdId);
    Result<PaymentPlan> load(qint64 pfpId);
    // The inscription fields (prefix "CP01") of the taxpayer's inscription.
    Result<FieldValues> inscription(qint64 cmdId, qint64 cp01Id);
    // The inscription fields (prefix "CP01") of the inscription the plan belongs to.
    Result<FieldValues> inscriptionOf(const PaymentPlan& plan);

    // Stores the plan after the request check, in one transaction. A new plan goes under the
    // inscription given; a stored one stays under its own. On success the plan holds its keys; on
    // failure neither the database nor the plan changed.
    Status save(PaymentPlan& plan, qint64 cp01Id);
    Status remove(qint64 pfpId);

private:
    data::AccesoDatos& m_db;
};

}
