#include "agents/depositform.h"

#include "agents/agentsmessages.h"
#include "agents/certificate.h"
#include "common/messages.h"

namespace ventrix::agents {

DepositForm::DepositForm(ArpDepositStore& store, qint64 cp01Id, Hooks hooks)
    : m_store(store)
    , m_cp01Id(cp01Id)
    , m_hooks(std::move(hooks))
{
}

void DepositForm::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

bool DepositForm::store(ArpDeposit& d)
{
    if (auto saved = m_store.save(d, m_cp01Id); !saved) {
        fail(saved.error());
        return false;
    }
    setStatus(msg::ok());
    return true;
}

bool DepositForm::guardar(ArpDeposit& d, bool agentDataComplete)
{
    if (d.id > 0) {
        const auto stored = m_store.load(d.id);
        if (!stored) {
            fail(stored.error());
            return false;
        }
        if (auto locked = depositLockedForSaving(*stored)) {
            fail(*locked);
            return false;
        }
    }
    if (!d.importeDepositado) {
        warn(msg::ingreseImporteDepositar());
        if (m_hooks.focus)
            m_hooks.focus(QStringLiteral("Arp_Importe_Depositado"));
        return false;
    }
    if (!Check_Datos(d, agentDataComplete)) {
        inform(msg::incompletoArp());
        return false;
    }
    return store(d);
}

bool DepositForm::pagar(ArpDeposit& d, bool agentDataComplete)
{
    if (!d.importeDepositado) {
        warn(msg::ingreseImporteDepositar());
        return false;
    }
    if (d.saldo && *d.importeDepositado > *d.saldo
        && !askYesNo(msg::pagoSuperiorAlSaldo(), MessageIcon::Question, false))
        return false;
    if (!Check_Datos(d, agentDataComplete)) {
        inform(msg::incompletoArpImprimir());
        return false;
    }
    if (!askYesNo(msg::confirmaPago(d.importeDepositado->toDisplay()), MessageIcon::Question, true))
        return false;
    // The number is drawn once: a form printed again carries the same one.
    if (d.numFormulario.isEmpty())
        d.numFormulario = drawCertificateNumber();
    return store(d);
}

}
