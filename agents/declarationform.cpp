#include "agents/declarationform.h"

#include "agents/agentsmessages.h"
#include "common/clock.h"
#include "common/messages.h"
#include "data/backupmessages.h"

namespace ventrix::agents {

DeclarationForm::DeclarationForm(DeclarationStore& store, qint64 cmdId, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_hooks(std::move(hooks))
{
}

void DeclarationForm::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

std::optional<MonthlyDeclaration> DeclarationForm::declarar(const ArpPeriod& period)
{
    const auto deposited = m_store.hasDeposit(m_cmdId, period);
    if (!deposited) {
        fail(deposited.error());
        return std::nullopt;
    }
    if (!*deposited) {
        inform(msg::sinPagoEnPeriodo());
        return std::nullopt;
    }
    if (!askYesNo(
            msg::confirmaDDJJ(period.text(), m_store.kind().arpOperacion), MessageIcon::Warning, false)) {
        setStatus(msg::ddjjCancelada(), 2000);
        return std::nullopt;
    }
    const QDate today = Clock::today();
    if (auto early = declaracionAntesDeTiempo(period, today)) {
        inform(*early);
        return std::nullopt;
    }
    setStatus(msg::buscandoNumeroDDJJ());
    const auto numero = m_store.BuscarDDJJ_Numero(m_cmdId, period);
    if (!numero) {
        fail(numero.error());
        return std::nullopt;
    }
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return std::nullopt;
    // The marks can be undone and are written all or none: a backup that fails is told but
    // does not keep the agent from declaring on time.
    if (const Status saved = m_store.backUpUnlessDeclared(m_cmdId, period); !saved)
        warn(data::msg::backupFailed() + u'\n' + saved.error());
    const auto stored = m_store.AlmacenarDDJJ(
        m_cmdId, period, *numero, today, [this](const QString& step) { setStatus(step); });
    if (!stored) {
        fail(stored.error());
        return std::nullopt;
    }
    inform(msg::ddjjProcesada());
    // Printed again, a declaration keeps the day it was first presented.
    const auto made = m_store.declarationOf(m_cmdId, period);
    const QDate presented = made && *made ? (*made)->fechaPres : today;
    return MonthlyDeclaration { m_store.kind().which, period, *numero, presented };
}

bool DeclarationForm::borrar(const ArpPeriod& period)
{
    const auto made = m_store.declarationOf(m_cmdId, period);
    if (!made) {
        fail(made.error());
        return false;
    }
    if (!*made) {
        inform(msg::sinDDJJParaBorrar());
        return false;
    }
    if (!askYesNo(msg::confirmaBorrarMarcas(), MessageIcon::Question, false)
        || !askYesNo(msg::confirmaBorrarDDJJ(
                         (*made)->numero, (*made)->fechaPres.toString(QStringLiteral("dd/MM/yyyy"))),
            MessageIcon::Question, false))
        return false;
    if (const Status saved = m_store.backUp(); !saved)
        warn(data::msg::backupFailed() + u'\n' + saved.error());
    if (auto undone = m_store.undo(m_cmdId, (*made)->numero); !undone) {
        fail(undone.error());
        return false;
    }
    inform(msg::ddjjBorradas());
    return true;
}

}
