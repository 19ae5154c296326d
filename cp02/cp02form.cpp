#include "cp02/cp02form.h"

#include "common/messages.h"
#include "cp02/cp02checks.h"
#include "cp02/cp02messages.h"

namespace ventrix::cp02 {
namespace {

constexpr int LoadingStatusMs = 1400;

}

Cp02Form::Cp02Form(Cp02Store& store, qint64 cmdId, qint64 cp01Id, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_cp01Id(cp01Id)
    , m_hooks(std::move(hooks))
{
}

void Cp02Form::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

Status Cp02Form::open()
{
    setStatus(msg::cargandoDatos(), LoadingStatusMs);
    auto taxpayer = m_store.loadTaxpayer(m_cmdId, m_cp01Id);
    if (!taxpayer)
        return Error { taxpayer.error() };
    m_taxpayer = *taxpayer;
    nuevo();
    return reloadList();
}

Status Cp02Form::reloadList()
{
    auto list = m_store.declarations(m_cmdId);
    if (!list)
        return Error { list.error() };
    m_list = *list;
    return {};
}

QString Cp02Form::title() const
{
    return isStored() ? msg::titulo(m_record.periodo()) : msg::tituloNuevo();
}

void Cp02Form::nuevo()
{
    m_record = {};
    m_option = MinimoOption::Ninguna;
    CalculaTotalGrid2();
}

Status Cp02Form::seleccionar(qint64 cp02Id)
{
    auto loaded = m_store.load(cp02Id);
    if (!loaded)
        return Error { loaded.error() };
    m_record = *loaded;
    m_option = MinimoOption::Ninguna;
    m_totals = ventrix::cp02::CalculaTotalGrid2(m_record.months, m_option, {}).totals;
    return {};
}

bool Cp02Form::loadActivities(int periodo)
{
    auto activities = m_store.Cargar_New_Actividades(m_cmdId, periodo);
    if (!activities) {
        fail(activities.error());
        return false;
    }
    m_record.activities = *activities;
    return true;
}

bool Cp02Form::aceptarPeriodo(int periodo, const QString& tramite)
{
    if (periodo < 1900) {
        inform(msg::completePeriodo());
        return false;
    }
    if (tramite == Rectificativa) {
        auto original = m_store.originalExists(m_cmdId, periodo);
        if (!original) {
            fail(original.error());
            return false;
        }
        if (!*original) {
            inform(msg::sinOriginal());
            return false;
        }
    }
    if (isStored()) {
        // The stored rows are replaced when the declaration is stored again, not before: leaving
        // without storing keeps the declaration as it was.
        if (!askYesNo(msg::modificandoPeriodo(), MessageIcon::Question, false)
            || !askYesNo(msg::recargarActividades(), MessageIcon::Question, false)) {
            inform(msg::modificacionCancelada());
            return false;
        }
    }
    if (!loadActivities(periodo))
        return false;
    m_record.set(col::Periodo, periodo);
    m_record.set(col::Tramite, tramite);
    return true;
}

bool Cp02Form::pedirTabPeriodo() const
{
    if (!isStored())
        return true;
    inform(msg::periodoFijo());
    return false;
}

void Cp02Form::CalculaImpuesto(int row)
{
    if (row < 0 || row >= m_record.activities.size())
        return;
    AnnualActivity& a = m_record.activities[row];
    a.impuesto = ventrix::cp02::CalculaImpuesto(a);
}

ActivityTotals Cp02Form::activityTotals() const
{
    return ventrix::cp02::activityTotals(m_record.activities);
}

Money Cp02Form::SumTotal()
{
    IncomeDistribution d;
    d.gravado = m_record.money(col::Gravado).value_or(Money());
    d.noGravado = m_record.money(col::NoGravado).value_or(Money());
    d.exento = m_record.money(col::Excento).value_or(Money());
    d.tasaCero = m_record.money(col::TasaCero).value_or(Money());
    m_record.setMoney(col::Gravado, d.gravado);
    m_record.setMoney(col::NoGravado, d.noGravado);
    m_record.setMoney(col::Excento, d.exento);
    m_record.setMoney(col::TasaCero, d.tasaCero);
    return d.total();
}

const MonthAmounts& Cp02Form::CalculaTotalGrid2()
{
    const MonthlyResult r
        = ventrix::cp02::CalculaTotalGrid2(m_record.months, m_option, m_record.money(col::Impuesto));
    m_record.months = r.months;
    m_totals = r.totals;
    m_record.setMoney(col::Impuesto, r.balance.impuesto);
    m_record.setMoney(col::Retenciones, r.balance.retenciones);
    m_record.setMoney(col::ImpDepos, r.balance.depositado);
    m_record.setMoney(col::FavorAgt, r.balance.favorAgt);
    m_record.setMoney(col::FavorContrib, r.balance.favorContrib);
    return m_totals;
}

bool Cp02Form::Guardar()
{
    if (auto refused = storingChecks(m_record)) {
        inform(*refused);
        return false;
    }
    Cp02Record next = m_record;
    if (auto s = m_store.save(next, m_cp01Id); !s) {
        fail(s.error());
        return false;
    }
    m_record = next;
    if (m_hooks.print)
        m_hooks.print(m_record);
    if (auto s = reloadList(); !s)
        fail(s.error());
    return true;
}

bool Cp02Form::Borrar(qint64 cp02Id)
{
    const auto chosen = std::find_if(
        m_list.cbegin(), m_list.cend(), [cp02Id](const DeclarationEntry& e) { return e.id == cp02Id; });
    if (cp02Id == 0 || chosen == m_list.cend()) {
        inform(msg::seleccionePeriodo());
        return false;
    }
    if (!askYesNo(msg::confirmaBorrar(chosen->text()), MessageIcon::Question, false))
        return false;
    if (auto s = m_store.remove(cp02Id); !s) {
        fail(s.error());
        return false;
    }
    inform(msg::periodoBorrado());
    if (m_record.id() == cp02Id)
        nuevo();
    if (auto s = reloadList(); !s)
        fail(s.error());
    return true;
}

}
