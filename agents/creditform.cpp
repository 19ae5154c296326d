#include "agents/creditform.h"

#include "agents/agentnumbers.h"
#include "agents/agentsmessages.h"
#include "agents/certificate.h"
#include "agents/creditmessages.h"
#include "common/clock.h"
#include "common/messages.h"

namespace ventrix::agents {

CreditForm::CreditForm(CreditStore& store, qint64 cmdId, qint64 cp01Id, AgentRegister which, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
    , m_which(which)
    , m_hooks(std::move(hooks))
{
}

void CreditForm::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

bool CreditForm::cargar()
{
    return readOperations() && readCredits();
}

bool CreditForm::readOperations()
{
    auto operations = m_store.declaredOperations(m_cmdId, m_which);
    if (!operations) {
        fail(operations.error());
        return false;
    }
    m_operations.setOperations(std::move(*operations));
    return true;
}

bool CreditForm::readCredits(QHash<qint64, bool> marks)
{
    auto stored = m_store.QueryVerImprimir(m_cmdId, m_query);
    if (!stored) {
        fail(stored.error());
        return false;
    }
    // What the user marked or unmarked stays so when the list is read again.
    for (const CreditLine& line : m_credits.lines()) {
        if (!line.isPending())
            marks.insert(line.id, line.imprimir);
    }
    for (CreditLine& line : *stored)
        line.imprimir = !line.impreso && marks.value(line.id, true);
    m_credits.setLines(pendingLines() + *stored);
    return true;
}

QList<CreditLine> CreditForm::pendingLines() const
{
    QList<CreditLine> out;
    for (const CreditLine& line : m_credits.lines()) {
        if (line.isPending())
            out.append(line);
    }
    return out;
}

bool CreditForm::AddCreditoDe(int row)
{
    if (row < 0 || row >= m_operations.rowCount()) {
        inform(msg::seleccioneRegistro());
        return false;
    }
    const DeclaredOperation& op = m_operations.operations().at(row);
    const Money disponible = creditoDisponible(op, m_credits.lines());
    const std::optional<Money> credito = m_hooks.askCredit ? m_hooks.askCredit(op, disponible) : std::nullopt;
    if (!credito) {
        setStatus(msg::operacionCancelada());
        return false;
    }
    // The dialog refuses these already; the list never takes them from anywhere else either.
    if (auto refused = creditoRechazado(*credito, disponible)) {
        inform(*refused);
        return false;
    }
    m_credits.prepend(AddCredito(m_which, op, *credito));
    return true;
}

bool CreditForm::Guardar()
{
    QList<CreditLine> lines = pendingLines();
    if (lines.isEmpty())
        return true;
    // The list shows the newest first; they are stored in the order they were added.
    std::reverse(lines.begin(), lines.end());
    setStatus(msg::guardandoDatos());
    if (auto saved = m_store.Guardar(m_cp01Id, lines); !saved) {
        fail(saved.error());
        return false;
    }
    QHash<qint64, bool> marks;
    for (const CreditLine& line : std::as_const(lines))
        marks.insert(line.id, line.imprimir);
    m_credits.setLines({});
    return readOperations() && readCredits(marks);
}

bool CreditForm::Borrar(int row)
{
    if (row < 0 || row >= m_credits.rowCount()) {
        inform(msg::seleccioneRegistro());
        return false;
    }
    const CreditLine line = m_credits.lines().at(row);
    if (!askYesNo(msg::confirmaBorrarCredito(line.numFactura), MessageIcon::Question, false)) {
        setStatus(msg::canceladaPorUsuario());
        return false;
    }
    if (line.isPending()) {
        m_credits.removeLine(row);
        return true;
    }
    if (auto removed = m_store.Borrar(line.id); !removed) {
        setStatus(removed.error());
        return false;
    }
    m_credits.removeLine(row);
    return readOperations();
}

bool CreditForm::QueryVerImprimir(bool soloNoImpresos, const QString& factura)
{
    m_query.soloNoImpresos = soloNoImpresos;
    m_query.factura.clear();
    const QString numero = factura.trimmed();
    if (!numero.isEmpty() && askYesNo(msg::confirmaFiltroFactura(numero), MessageIcon::Question, true))
        m_query.factura = numero;
    return readCredits();
}

std::optional<NcarpData> CreditForm::formData()
{
    const auto numbers = readAgentNumbers(m_store.access(), m_cmdId);
    const auto agente = m_store.nombreAgente(m_cp01Id);
    if (!numbers || !agente) {
        fail(msg::errorAccesoBaseDatos());
        return std::nullopt;
    }
    NcarpData data;
    data.fecha = Clock::today();
    data.agente = *agente;
    data.numAgenteRetencion = numbers->retencion;
    data.numAgentePercepcion = numbers->percepcion;
    for (const CreditLine& line : m_credits.lines()) {
        if (!line.isPending() && !line.impreso && line.imprimir)
            data.creditos.append(line);
    }
    return data;
}

bool CreditForm::Imprimir_DDJJ()
{
    if (!printEnabled()) {
        inform(msg::habiliteImprimir());
        return false;
    }
    if (!Guardar())
        return false;
    auto data = formData();
    if (!data)
        return false;
    if (data->creditos.isEmpty()) {
        inform(msg::sinCreditosMarcados());
        return false;
    }
    data->numero = drawCertificateNumber();
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return false;
    m_ultimo = data;
    NcarpForm form(*data);
    if (!m_hooks.preview || !m_hooks.preview(form))
        return false;
    QList<qint64> ids;
    for (const CreditLine& line : data->creditos)
        ids.append(line.id);
    if (auto marked = m_store.marcarImpresos(ids); !marked) {
        fail(marked.error());
        return false;
    }
    return readCredits();
}

}
