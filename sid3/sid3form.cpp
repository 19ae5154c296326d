#include "sid3/sid3form.h"

#include "common/clock.h"
#include "common/messages.h"
#include "common/regional.h"
#include "sid3/sid3messages.h"

namespace ventrix::sid3 {
namespace {

constexpr int FlashMs = 1500;

}

Sid3Form::Sid3Form(
    data::AccesoDatos& db, rates::IndicesTable& indices, qint64 cmdId, qint64 cp01Id, Hooks hooks)
    : m_store(db)
    , m_source(db)
    , m_indices(indices)
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
    , m_hooks(std::move(hooks))
{
    m_declaration.cp01Id = cp01Id;
}

void Sid3Form::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

Status Sid3Form::open()
{
    std::optional<rates::IndexDay> lowest, highest;
    if (!m_indices.oldest(&lowest) || !m_indices.newest(&highest))
        return Error { msg::errorAcceso() };
    if (!lowest || !highest)
        return Error { msg::sinTasas() };
    m_lowestIndex = lowest->fecha;
    m_highestIndex = highest->fecha;
    return {};
}

Result<QList<PeriodListRow>> Sid3Form::Cargar_List_FormSid3()
{
    return m_store.Cargar_List_FormSid3(m_cmdId);
}

void Sid3Form::BorrarTabla()
{
    m_declaration = Declaration();
    m_declaration.cp01Id = m_cp01Id;
    m_lines.clear();
    m_summary = TaxSummary();
    m_balance = Balance();
    m_proposedDue = QDate();
}

bool Sid3Form::refuseIncompatibleRates()
{
    const Declaration& d = m_declaration;
    if (!d.fechaPago.isValid() || !d.fhVto.isValid()
        || datesWithinIndices(d.fechaPago, d.fhVto, m_lowestIndex, m_highestIndex))
        return false;
    m_ratesIncompatible = true;
    fail(msg::tasasIncompatibles());
    BorrarTabla();
    return true;
}

Status Sid3Form::CargarTabla(qint64 sidId)
{
    auto loaded = m_store.load(sidId);
    if (!loaded)
        return Error { loaded.error() };
    m_declaration = *loaded;
    if (refuseIncompatibleRates())
        return Error { msg::tasasIncompatibles() };
    auto lines = m_store.loadLines(sidId);
    if (!lines)
        return Error { msg::errorCargarDatos() };
    m_lines = *lines;
    m_proposedDue = sid3::proposedDueDate(m_declaration.month, m_declaration.year);
    CalculaImpuesto();
    CalculaInteres();
    return {};
}

bool Sid3Form::Cmb_NuevoPer()
{
    if (m_ratesIncompatible) {
        fail(msg::tasasIncompatibles());
        return false;
    }
    if (m_cp01Id == 0) {
        fail(msg::seleccioneContribuyente());
        return false;
    }
    BorrarTabla();
    const std::optional<NewPeriod> chosen = m_hooks.nuevoTramite ? m_hooks.nuevoTramite() : std::nullopt;
    if (!chosen)
        return false;
    m_declaration = chosen->declaration(m_cp01Id);
    setStatus(msg::ingresandoDatos(), FlashMs);
    auto lines = m_source.CargarTablaNew(m_cmdId, chosen->period);
    if (!lines)
        fail(lines.error());
    else
        m_lines = *lines;
    if (CargarTablaNewNumEmp()) {
        BorrarTabla();
        return false;
    }
    CalculaImpuesto();
    return true;
}

bool Sid3Form::CargarTablaNewNumEmp()
{
    const int year = m_declaration.year - 1;
    auto employees = m_source.CargarTablaNewNumEmp(m_cmdId, year, m_lines);
    if (!employees) {
        fail(employees.error());
        return false;
    }
    if (!employees->found) {
        if (year > 0 && askYesNo(msg::sinCp02(year), MessageIcon::Critical)) {
            inform(msg::completeCp02(year));
            return true;
        }
        return false;
    }
    if (employees->numEmpleados)
        m_declaration.numEmpleado = employees->numEmpleados;
    return false;
}

void Sid3Form::CalculaImpuesto()
{
    std::optional<Money> nomencla;
    auto found = m_source.nomenclaMinimum(m_lines, minimumColumn(m_declaration.numEmpleado));
    if (!found)
        fail(found.error());
    else
        nomencla = *found;
    m_summary = sid3::CalculaImpuesto(m_lines, nomencla);
    m_declaration.gravado = m_summary.gravado;
    m_declaration.exento = m_summary.exento;
    m_declaration.tasaCero = m_summary.tasaCero;
    m_declaration.subTotalAgt = m_summary.totalComputable;
    Calc_FavorContrib();
}

void Sid3Form::lineEdited()
{
    CalculaImpuesto();
    if (m_declaration.fhVto.isValid() && m_declaration.fechaPago.isValid())
        CalculaInteres();
}

IncomeTotals Sid3Form::incomeTotals() const
{
    const Declaration& d = m_declaration;
    return SumTotal(d.noGravado, d.gravado, d.exento);
}

void Sid3Form::Calc_FavorContrib()
{
    m_declaration.saldoContrib = sid3::Calc_FavorContrib(m_declaration.registers);
    m_balance = computeBalance(m_declaration.subTotalAgt, m_declaration.saldoContrib);
    m_declaration.saldoAgt = m_balance.favorAgt;
}

void Sid3Form::setRegisterTotal(Register reg, RegisterTotal total)
{
    m_declaration.registerTotal(reg) = total;
    Calc_FavorContrib();
}

bool Sid3Form::CallRegistraciones(Register reg)
{
    Declaration& d = m_declaration;
    if (!d.hasPeriod()) {
        fail(msg::debeIngresarPeriodo());
        return false;
    }
    if (d.id == 0 && !Guardar())
        return false;
    if (d.id == 0 || !m_hooks.openRegister) {
        fail(msg::debeIngresarPeriodoContinuar());
        return false;
    }
    setRegisterTotal(reg, m_hooks.openRegister(reg, d.id, { d.month, d.year }));
    setStatus(msg::actualizando(), FlashMs);
    return Guardar();
}

void Sid3Form::CalculaDefault()
{
    Declaration& d = m_declaration;
    if (!d.hasPeriod())
        return;
    if (!d.fhVto.isValid()) {
        d.fhVto = sid3::proposedDueDate(d.month, d.year);
        m_proposedDue = d.fhVto;
    }
    if (!d.fechaPago.isValid())
        d.fechaPago = proposedPaymentDate(d.fhVto, Clock::today());
    CalculaInteres();
}

std::optional<Index4> Sid3Form::indexAt(QDate day) const
{
    std::optional<rates::IndexDay> row;
    if (!m_indices.day(day, &row) || !row)
        return std::nullopt;
    return row->indice;
}

bool Sid3Form::CalculaInteres()
{
    Declaration& d = m_declaration;
    InterestInput in { d.tramite, d.saldoAgt, {}, {}, {} };
    if (d.tramite == static_cast<int>(Procedure::Rectificativa))
        in.typedInterest = d.interes.value_or(Money());
    if (interestApplies(d.tramite)) {
        if (!d.fhVto.isValid())
            return false;
        if (!d.fechaPago.isValid()) {
            setStatus(msg::ingreseFechaPago(), FlashMs);
            return false;
        }
        const std::optional<Index4> iv = indexAt(d.fhVto);
        const std::optional<Index4> ip = iv ? indexAt(d.fechaPago) : std::nullopt;
        if (!iv || !ip) {
            fail(iv ? msg::sinIndicePago() : msg::sinIndiceVencimiento());
            (iv ? d.fechaPago : d.fhVto) = QDate();
            if (m_hooks.close)
                m_hooks.close();
            return false;
        }
        in.indiceVto = *iv;
        in.indicePago = *ip;
    }
    const InterestResult r = sid3::CalculaInteres(in);
    d.interes = r.interes;
    d.totalDepositar = r.totalDepositar;
    return true;
}

void Sid3Form::fhVtoEntered(QDate typed)
{
    Declaration& d = m_declaration;
    // A declaration whose dates were never proposed is judged against the authority's date.
    if (!m_proposedDue.isValid() && d.hasPeriod())
        m_proposedDue = sid3::proposedDueDate(d.month, d.year);
    switch (judgeDueDate(m_proposedDue, typed)) {
    case DueDateChange::Unchanged:
        d.fhVto = typed;
        break;
    case DueDateChange::OtherDay:
        inform(msg::recuerdeVencimiento());
        d.fhVto = typed;
        break;
    case DueDateChange::OtherMonth:
        inform(msg::soloDiaVencimiento());
        d.fhVto = QDate();
        CalculaDefault();
        return;
    }
    CalculaInteres();
}

void Sid3Form::fhVtoInvalid(const QString& text)
{
    inform(text.trimmed().isEmpty() ? msg::vencimientoInvalido()
                                    : msg::formatoFecha(regional::formatDate(Clock::today())));
    m_declaration.fhVto = QDate();
    CalculaDefault();
}

void Sid3Form::fhVtoTyped(const QString& text)
{
    const std::optional<QDate> typed = regional::parseDate(text.trimmed());
    if (typed)
        fhVtoEntered(*typed);
    else
        fhVtoInvalid(text);
}

void Sid3Form::fechaPagoTyped(const QString& text)
{
    const std::optional<QDate> typed = regional::parseDate(text.trimmed());
    if (!typed && !text.trimmed().isEmpty())
        inform(msg::formatoFecha(regional::formatDate(Clock::today())));
    fechaPagoEntered(typed.value_or(QDate()));
}

void Sid3Form::fechaPagoEntered(QDate typed)
{
    Declaration& d = m_declaration;
    d.fechaPago = typed;
    if (!typed.isValid()) {
        CalculaDefault();
        if (!d.fechaPago.isValid())
            fail(msg::errorCalculoFechas());
        return;
    }
    if (!indexAt(typed)) {
        std::optional<rates::IndexDay> newest;
        if (!m_indices.newest(&newest) || !newest) {
            fail(msg::errorTablaTasas());
            return;
        }
        inform(msg::pagoPosteriorATasas(regional::formatDate(newest->fecha)));
        d.fechaPago = newest->fecha;
    }
    CalculaInteres();
}

bool Sid3Form::interesEntered(std::optional<Money> typed)
{
    Declaration& d = m_declaration;
    d.interes = typed;
    CalculaInteres();
    if (d.id == 0)
        return true;
    if (auto written = m_store.updateInterest(d.id, d.interes); !written) {
        fail(written.error());
        return false;
    }
    return true;
}

bool Sid3Form::Guardar()
{
    if (!m_declaration.hasPeriod())
        return false;
    setStatus(msg::actualizando(), FlashMs);
    CalculaDefault();
    if (auto saved = m_store.Guardar_Sid3(m_declaration, m_lines); !saved) {
        fail(saved.error());
        return false;
    }
    return true;
}

bool Sid3Form::Cmb_Borrar()
{
    if (m_ratesIncompatible) {
        fail(msg::tasasIncompatibles());
        return false;
    }
    if (m_declaration.id == 0) {
        BorrarTabla();
        return false;
    }
    auto who = m_store.cp01Identity(m_declaration.cp01Id);
    const QString name = who ? who->contribuyente : QString();
    const Declaration& d = m_declaration;
    if (!askYesNo(msg::borrarDeclaracion(name, d.month, d.year, d.tramiteDescrip)))
        return false;
    if (auto removed = m_store.BorrarTabla(d.id); !removed) {
        fail(removed.error());
        return false;
    }
    setStatus(msg::datosBorrados(), FlashMs);
    BorrarTabla();
    return true;
}

}
