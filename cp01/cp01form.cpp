#include "cp01/cp01form.h"

#include "common/clock.h"
#include "cp01/cp01messages.h"
#include "cp01/dateentry.h"

namespace ventrix::cp01 {
namespace {

constexpr int RefusedStatusMs = 1400;
constexpr int CancelledDateStatusMs = 2000;

// Switches the saving flag on for the lifetime of a save.
struct SavingFlag
{
    explicit SavingFlag(bool& flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~SavingFlag() { m_flag = false; }
    bool& m_flag;
};

}

Cp01Form::Cp01Form(Cp01Store& store, qint64 cmdId, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_hooks(std::move(hooks))
{
}

void Cp01Form::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

bool Cp01Form::refuse(const CheckFailure& failure) const
{
    MessageService::instance().show(Message { failure.message, {}, failure.icon });
    if (m_hooks.showFailure)
        m_hooks.showFailure(failure);
    return false;
}

Status Cp01Form::open(const FormOpening& opening)
{
    m_record = {};
    m_opened = {};
    m_derivedFrom = 0;
    if (opening.loadKey != 0) {
        auto loaded = m_store.load(opening.loadKey);
        if (!loaded)
            return Error { loaded.error() };
        m_record = opening.asNewProcedure ? loaded->derived(opening.tramite) : *loaded;
        m_derivedFrom = opening.asNewProcedure ? opening.loadKey : 0;
    } else {
        m_record.set(col::Tramite, opening.tramite);
    }
    if (!opening.personas.isEmpty())
        m_record.setPersonType(opening.personas);
    if (isApertura())
        inform(msg::aperturaSeleccionada());
    return {};
}

QString Cp01Form::title() const
{
    return msg::tituloFormulario(m_record.tramite());
}

bool Cp01Form::pedirTab(FormTab tab) const
{
    if (tabUnlocked(m_record.tramite(), tab))
        return true;
    inform(msg::opcionSeleccionada(m_record.tramite()));
    return false;
}

ActivityTable& Cp01Form::activities(int premises)
{
    return premises == 4 ? m_opened.activities : m_record.premisesActivities(premises);
}

bool Cp01Form::Guardar()
{
    if (m_saving)
        return false;
    if (auto f = Control_Campos_Excluyente(m_record))
        return refuse(*f);
    return GuardarCP01(false);
}

bool Cp01Form::GuardarCP01(bool askDate)
{
    if (m_record.text(col::Contribuyente).trimmed().isEmpty()) {
        inform(msg::nombreIncompletoGuardar());
        return false;
    }
    if (auto f = Control_Campos(m_record.activities)) {
        refuse(*f);
        setStatus(msg::canceladaPorSistema(), RefusedStatusMs);
        return false;
    }
    const std::optional<QDate> date
        = askDate ? PreguntaFechaPresent(m_record.date(col::FechaPres)) : std::optional(Clock::today());
    if (!date) {
        setStatus(msg::fechaCancelada(), CancelledDateStatusMs);
        return false;
    }
    SavingFlag saving(m_saving);
    Cp01Record next = m_record;
    next.set(col::FechaPres, *date);
    if (auto s = m_store.GuardarCP01(next, m_cmdId, m_derivedFrom); !s) {
        fail(s.error());
        return false;
    }
    m_record = next;
    return true;
}

bool Cp01Form::printChecks()
{
    setStatus(msg::verificandoDatos(), RefusedStatusMs);
    if (m_record.text(col::Contribuyente).trimmed().isEmpty()) {
        inform(msg::nombreIncompletoImprimir());
        return false;
    }
    if (m_hooks.cardsComplete && !m_hooks.cardsComplete())
        return false;
    for (int n = 1; n <= 3; ++n) {
        const bool named
            = n == 1 || !m_record.text(col::premises(n, QStringLiteral("Nombre"))).trimmed().isEmpty();
        if (named && m_record.premisesActivities(n).isEmpty()) {
            inform(msg::sinActividadesImprimir());
            return false;
        }
        if (!named && !m_record.premisesActivities(n).isEmpty()) {
            m_record.premisesActivities(n).clear();
            inform(msg::comercioSinNombre(n));
        }
    }
    if (auto f = Control_Campos_Excluyente(m_record))
        return refuse(*f);
    return true;
}

std::optional<QDate> Cp01Form::prepararImpresion()
{
    if (m_saving || !printChecks() || !GuardarCP01(true))
        return std::nullopt;
    const QDate presented = m_record.date(col::FechaPres);
    if (presented < Clock::today()) {
        warn(msg::presentacionAnterior());
        return std::nullopt;
    }
    return presented;
}

}
