#include "sid3/sid3registerform.h"

#include "common/messages.h"
#include "common/regional.h"
#include "sid3/sid3messages.h"

namespace ventrix::sid3 {
namespace {

constexpr int StatusMs = 2000;

}

Sid3RegisterForm::Sid3RegisterForm(
    data::AccesoDatos& db, Register reg, qint64 sidId, Period period, Hooks hooks)
    : m_model(db, reg, sidId)
    , m_sidId(sidId)
    , m_period(period)
    , m_hooks(std::move(hooks))
{
    refresh();
}

void Sid3RegisterForm::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

void Sid3RegisterForm::refresh()
{
    if (auto shown = m_model.VerTabla(); !shown)
        fail(shown.error());
}

RegisterRecord Sid3RegisterForm::Nuevo() const
{
    RegisterRecord r;
    r.mes = QString::number(m_period.month);
    r.anio = QString::number(m_period.year);
    return r;
}

bool Sid3RegisterForm::fechaValida(QDate fecha) const
{
    if (auto dated = m_model.store().checkDate(fecha, m_period); !dated) {
        fail(dated.error());
        return false;
    }
    return true;
}

void Sid3RegisterForm::completarAgente(RegisterRecord& record)
{
    if (!record.responsable.isEmpty() || !record.cuit.isEmpty() || record.numAgente.isEmpty())
        return;
    auto agent = m_model.store().agentByNumber(record.numAgente);
    if (!agent) {
        fail(agent.error());
        return;
    }
    if (agent->has_value()) {
        record.responsable = agent->value().responsable;
        record.cuit = agent->value().cuit;
    }
}

bool Sid3RegisterForm::Guardar(RegisterRecord& record)
{
    if (auto saved = m_model.store().Guardar(record, m_sidId, m_period); !saved) {
        fail(saved.error());
        return false;
    }
    refresh();
    return true;
}

bool Sid3RegisterForm::Borrar(const RegisterRecord& record)
{
    if (record.id == 0)
        return false;
    const QString fecha = record.fecha.isValid() ? regional::formatDate(record.fecha) : QString();
    if (!askYesNo(msg::borrarConcepto(record.concepto, fecha))) {
        setStatus(msg::operacionCancelada(), StatusMs);
        return false;
    }
    if (auto removed = m_model.store().Borrar(record.id); !removed) {
        fail(removed.error());
        return false;
    }
    setStatus(msg::registroBorrado(), StatusMs);
    refresh();
    return true;
}

bool Sid3RegisterForm::BorrarTodos()
{
    if (!askYesNo(msg::borrarTodos()))
        return false;
    const Status removed = m_model.store().BorrarTodos(m_sidId);
    if (removed)
        inform(msg::todosBorrados());
    else
        fail(removed.error());
    refresh();
    return removed.ok();
}

bool Sid3RegisterForm::Ingresar_Registros(const ImportFile& file)
{
    std::function<bool(int)> cancelled;
    if (m_hooks.cancelImport)
        cancelled = [this, total = file.lineCount()](int done) { return m_hooks.cancelImport(done, total); };
    auto outcome = m_model.store().Ingresar_Registros(
        m_sidId, m_period, file, [] { return askYesNo(msg::deseaContinuar(), MessageIcon::Question, true); },
        cancelled);
    if (!outcome) {
        fail(outcome.error());
        return false;
    }
    inform(outcome->message());
    refresh();
    return true;
}

}
