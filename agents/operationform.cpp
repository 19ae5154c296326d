#include "agents/operationform.h"

#include "agents/agentsmessages.h"
#include "common/messages.h"

namespace ventrix::agents {

OperationForm::OperationForm(OperationStore& store, qint64 cmdId, qint64 cp01Id, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
    , m_hooks(std::move(hooks))
{
}

QString OperationForm::title() const
{
    return kind().which == AgentRegister::Retenciones ? msg::tituloRetencion() : msg::tituloPercepcion();
}

void OperationForm::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

void OperationForm::focus(const QString& target) const
{
    if (m_hooks.focus)
        m_hooks.focus(target);
}

bool OperationForm::open()
{
    setStatus(msg::cargandoDatos());
    auto data = m_store.agentData(m_cmdId, m_cp01Id);
    if (!data) {
        fail(data.error());
        return false;
    }
    m_agent = *data;
    return true;
}

void OperationForm::ClearForm()
{
    m_op = AgentOperation();
    open();
    focus(kind().column(QStringLiteral("Contribuyente")));
}

std::optional<AgentOperation> OperationForm::readScreen(const FieldValues& screen) const
{
    auto read = operationFromFields(kind(), screen);
    if (!read) {
        warn(read.error());
        return std::nullopt;
    }
    AgentOperation op = *read;
    op.id = m_op.id;
    op.cp01Id = m_cp01Id;
    // The agent's number shown on the screen goes with the row.
    op.numAgente = m_agent.numAgente;
    return op;
}

bool OperationForm::Guardar(const FieldValues& screen)
{
    auto op = readScreen(screen);
    if (!op)
        return false;
    if (op->id > 0) {
        const auto stored = m_store.marks(op->id);
        if (!stored) {
            fail(msg::errorGuardar());
            return false;
        }
        if (auto locked = lockedForSaving(*stored)) {
            fail(*locked);
            return false;
        }
    }
    if (auto refused = checkForSaving(kind(), *op, m_agent.identity())) {
        warn(refused->message);
        focus(refused->column);
        return false;
    }
    if (const Status saved = m_store.save(*op, m_cp01Id); !saved) {
        fail(saved.error());
        return false;
    }
    m_op = *op;
    focus(QStringLiteral("Cmd_Alta"));
    return true;
}

bool OperationForm::Borrar()
{
    if (m_op.id <= 0) {
        ClearForm();
        return false;
    }
    const auto stored = m_store.marks(m_op.id);
    if (stored) {
        if (auto locked = lockedForDeleting(*stored)) {
            fail(*locked);
            return false;
        }
    }
    if (!askYesNo(msg::confirmaBorrar(m_op.counterpart.contribuyente), MessageIcon::Question, false)) {
        setStatus(msg::canceladaPorUsuario());
        return false;
    }
    if (const Status removed = m_store.remove(m_op.id); !removed) {
        setStatus(removed.error());
        ClearForm();
        return false;
    }
    ClearForm();
    return true;
}

std::optional<CertificateData> OperationForm::Imprimir(const FieldValues& screen)
{
    auto op = readScreen(screen);
    if (!op)
        return std::nullopt;
    if (!Check_Datos(kind(), *op)) {
        warn(kind().incompleteMessage());
        focus(kind().column(QStringLiteral("Contribuyente")));
        return std::nullopt;
    }
    // A declared row is not saved again, but its certificate can still be printed as it was stored
    // (a supplier may ask for it after the month was declared).
    if (auto declared = declaredAsShown(*op)) {
        m_op = *declared;
        return certificateData(m_agent, m_op, drawCertificateNumber());
    }
    if (!Guardar(screen))
        return std::nullopt;
    return certificateData(m_agent, m_op, drawCertificateNumber());
}

std::optional<AgentOperation> OperationForm::declaredAsShown(const AgentOperation& shown)
{
    if (shown.id <= 0)
        return std::nullopt;
    auto stored = m_store.load(shown.id);
    if (!stored || !stored->marks.isDeclared())
        return std::nullopt;
    const AgentOperation& s = *stored;
    const bool same = s.counterpart == shown.counterpart && s.documento == shown.documento
        && s.lugar == shown.lugar && s.lugarFecha == shown.lugarFecha && s.fecha == shown.fecha
        && s.base == shown.base && s.alicuota == shown.alicuota && s.importe == shown.importe;
    return same ? stored.value() : std::optional<AgentOperation>();
}

QList<ListEntry> OperationForm::Buscar(const QString& text)
{
    setStatus(msg::buscando());
    auto found = m_store.search(m_cmdId, text);
    if (!found) {
        fail(found.error());
        return {};
    }
    return *found;
}

bool OperationForm::elegir(qint64 id)
{
    auto row = m_store.load(id);
    if (!row) {
        fail(row.error());
        return false;
    }
    m_op = *row;
    return true;
}

bool OperationForm::BuscarBase()
{
    const auto chosen = m_hooks.chooseCounterpart ? m_hooks.chooseCounterpart() : std::nullopt;
    if (!chosen)
        return false;
    auto latest = m_store.latestOf(*chosen);
    if (!latest) {
        fail(latest.error());
        return false;
    }
    if (!latest->has_value())
        return false;
    m_op = **latest;
    focus(kind().dateColumn);
    return true;
}

OperationForm::Leave OperationForm::leaveIdentifier(IdentifierKind which, const QString& typed)
{
    const IdentifierLeave checked = agents::leaveIdentifier(kind(), which, typed, m_agent.identity());
    if (checked.refusal) {
        warn(checked.refusal->message);
        focus(checked.refusal->column);
        return { checked.text, false, false };
    }
    if (m_op.id > 0 || checked.text.isEmpty())
        return { checked.text, true, false };
    auto latest = m_store.latestByIdentifier(which, checked.text);
    if (!latest || !latest->has_value())
        return { checked.text, true, false };
    m_op = **latest;
    return { checked.text, true, true };
}

void OperationForm::leaveFecha(QDate fecha)
{
    if (!fecha.isValid())
        return;
    const auto count = m_store.depositsOfPeriod(m_cmdId, fecha);
    if (!count) {
        fail(count.error());
        return;
    }
    if (*count > 0)
        inform(msg::periodoPresentado(*count, kind().operationWord));
}

}
