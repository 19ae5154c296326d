#include "plans/planregister.h"

#include "common/messages.h"
#include "common/regional.h"
#include "plans/planchecks.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {

namespace {

constexpr int NoticeMs = 1200;

}

bool deletePlanAsked(PlanStore& store, qint64 pfpId, const QString& question,
    const std::function<void(const QString&)>& notice)
{
    if (!askYesNo(question, MessageIcon::Question, false)) {
        inform(msg::operacionCancelada());
        return false;
    }
    if (auto removed = store.remove(pfpId); !removed) {
        fail(removed.error());
        return false;
    }
    if (notice)
        notice(msg::registroBorrado());
    return true;
}

PlanRegister::PlanRegister(PlanStore& store, qint64 cmdId, qint64 cp01Id, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
    , m_hooks(std::move(hooks))
{
}

void PlanRegister::notice(const QString& text)
{
    if (m_hooks.notice)
        m_hooks.notice(text, NoticeMs);
}

QList<PaymentPlan> PlanRegister::Cargar_Grilla()
{
    auto plans = m_store.plansOf(m_cmdId);
    if (!plans) {
        fail(plans.error());
        return {};
    }
    return *plans;
}

bool PlanRegister::Guardar(PaymentPlan& plan)
{
    if (auto refused = planRequestCheck(plan)) {
        inform(*refused, MessageIcon::Warning);
        return false;
    }
    PaymentPlan stored = plan;
    if (auto saved = m_store.save(stored, m_cp01Id); !saved) {
        fail(saved.error());
        return false;
    }
    plan = stored;
    return true;
}

bool PlanRegister::Borrar(const PaymentPlan* chosen, qsizetype planCount)
{
    if (planCount == 0) {
        inform(msg::sinPlanesParaBorrar());
        return false;
    }
    if (!chosen) {
        inform(msg::seleccionePlan());
        return false;
    }
    return deletePlanAsked(m_store, chosen->id,
        msg::confirmaBorrarPlanDeFecha(regional::formatDate(chosen->fechaAprob)),
        [this](const QString& text) { notice(text); });
}

PlanRegister::FormPago PlanRegister::formPago(qsizetype planCount)
{
    if (planCount > 0)
        return FormPago::Instalments;
    return askYesNo(msg::registrarPlan(), MessageIcon::Question, true) ? FormPago::NewPlan
                                                                       : FormPago::Nothing;
}

}
