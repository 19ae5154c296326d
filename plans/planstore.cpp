#include "plans/planstore.h"

#include "plans/planchecks.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {
namespace {

const QString Table = QStringLiteral("Form_PFP");

}

PlanStore::PlanStore(data::AccesoDatos& db)
    : m_db(db)
{
}

Result<QList<PaymentPlan>> PlanStore::plansOf(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT F.* FROM Form_Cp01 P JOIN Form_PFP F ON F.CP01_ID = P.CP01_ID "
                           "WHERE P.CMD_ID = ? ORDER BY F.PFP_ID DESC"),
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<PaymentPlan> out;
    for (; !rs.eof(); rs.moveNext())
        out.append(paymentPlan(rs.row()));
    return out;
}

Result<PaymentPlan> PlanStore::load(qint64 pfpId)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT * FROM Form_PFP WHERE PFP_ID = ?"), { pfpId }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAcceso() };
    return paymentPlan(rs.row());
}

Result<FieldValues> PlanStore::inscription(qint64 cmdId, qint64 cp01Id)
{
    FieldValues out;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01 WHERE CMD_ID = ? AND CP01_ID = ?"),
            { cmdId, cp01Id }, QStringLiteral("CP01"), out)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    return out;
}

Result<FieldValues> PlanStore::inscriptionOf(const PaymentPlan& plan)
{
    FieldValues out;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01 WHERE CP01_ID = ?"), { plan.cp01Id },
            QStringLiteral("CP01"), out)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    return out;
}

Status PlanStore::save(PaymentPlan& plan, qint64 cp01Id)
{
    if (auto refused = planRequestCheck(plan))
        return Error { *refused };
    const qint64 parent = plan.id && plan.cp01Id ? plan.cp01Id : cp01Id;
    const data::SaveResult saved
        = m_db.saveFields({ Table, col::Id, plan.id, col::Cp01Id, parent, col::Prefix, planFields(plan) });
    if (!saved.ok)
        return Error { msg::errorAcceso() };
    plan.id = saved.key;
    plan.cp01Id = parent;
    return {};
}

Status PlanStore::remove(qint64 pfpId)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Form_PFP WHERE PFP_ID = ?"), { pfpId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorBorrar() };
    return {};
}

}
