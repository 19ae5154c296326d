// The activity grids, premises numbers and opened premises of the inscription form.
#include "common/messages.h"
#include "cp01/cp01form.h"
#include "cp01/cp01messages.h"

namespace ventrix::cp01 {

void Cp01Form::recuperarActividades(int premises)
{
    ActivityTable& table = activities(premises);
    table.clear();
    const qint64 key = premises == 4 ? m_opened.comId : m_record.id();
    if (key == 0)
        return;
    auto stored = premises == 4 ? m_store.Cargar_Tabla4(key) : m_store.Cargar_Tabla(premises, key);
    if (!stored) {
        fail(stored.error());
        return;
    }
    table = *stored;
}

bool Cp01Form::agregarActividad(int premises)
{
    if (m_saving)
        return false;
    ActivityTable& table = activities(premises);
    if (table.firstEmpty() < 0) {
        inform(msg::maximoActividades(ActivityTable::Rows));
        return false;
    }
    const ActivitySelection chosen = m_hooks.chooseActivity ? m_hooks.chooseActivity() : ActivitySelection {};
    if (chosen.cancelled())
        return false;
    const ChosenActivity& a = chosen.activity;
    if (table.holds(a.codigo, a.alicuota, a.baseMinimo)) {
        inform(premises == 1 ? msg::actividadRepetidaComercio1(
                   a.codigo, a.denominacion, a.alicuota ? plainRate(*a.alicuota) : QString())
                             : msg::actividadRepetida(a.codigo));
        return false;
    }
    const int row = table.add(a);
    if (chosen.companion && table.add(*chosen.companion) < 0) {
        // The pair goes in together or not at all.
        table.remove(row);
        inform(msg::companeraSinLugar(a.codigo, chosen.companion->codigo));
        return false;
    }
    return true;
}

bool Cp01Form::borrarActividad(int premises, int row)
{
    ActivityTable& table = activities(premises);
    if (row < 0 || row >= ActivityTable::Rows || table.row(row).isEmpty()) {
        inform(msg::seleccioneActividadBorrar());
        return false;
    }
    if (!askYesNo(msg::confirmaBorrarActividad(table.row(row).codigo), MessageIcon::Question, false))
        return false;
    table.remove(row);
    return true;
}

void Cp01Form::marcarExenta(int premises, int row, bool exento)
{
    ActivityRow& r = activities(premises).row(row);
    r.exento = exento;
    if (exento && needsArticle183Warning(r.codigo))
        fail(msg::articulo183());
}

bool Cp01Form::numeroComercioLibre(int premises, const QString& number)
{
    if (m_saving || number.trimmed().isEmpty())
        return true;
    bool taken = premisesNumberOnScreen(m_record, isApertura() ? &m_opened : nullptr, premises, number);
    if (!taken) {
        const qint64 self = premises == 4 ? m_opened.fields.value(col::ComComId).toLongLong() : 0;
        const auto stored = m_store.premisesNumberTaken(m_cmdId, number, self);
        if (!stored) {
            fail(stored.error());
            return false;
        }
        taken = *stored;
    }
    if (taken)
        inform(msg::numeroComercioExiste());
    return !taken;
}

QList<ListEntry> Cp01Form::openedPremisesList()
{
    if (m_record.id() == 0)
        return {};
    auto list = m_store.openedPremisesList(m_record.id());
    if (!list) {
        fail(list.error());
        return {};
    }
    return *list;
}

Status Cp01Form::seleccionarComercio(qint64 comId)
{
    setStatus(msg::cargandoDatos(), 1400);
    auto loaded = m_store.loadOpenedPremises(comId);
    if (!loaded)
        return Error { loaded.error() };
    m_opened = *loaded;
    return {};
}

bool Cp01Form::Cmd_Com_Nuevo()
{
    if (!isApertura()) {
        inform(msg::nuevoComercioRequiereApertura());
        return false;
    }
    m_opened = {};
    return true;
}

bool Cp01Form::Cmd_Com_Guardar()
{
    if (m_saving)
        return false;
    if (!isApertura()) {
        inform(msg::aperturaRequerida());
        return false;
    }
    if (auto f = Control_Campos_Apertura(m_opened.activities)) {
        refuse(*f);
        setStatus(msg::canceladaPorSistema(), 1400);
        return false;
    }
    if (m_record.id() == 0 && !GuardarCP01(false))
        return false;
    OpenedPremises next = m_opened;
    if (auto s = m_store.saveOpenedPremises(next, m_record.id()); !s) {
        fail(s.error());
        return false;
    }
    m_opened = next;
    return true;
}

bool Cp01Form::Cmd_Com_Borrar()
{
    if (m_opened.comId == 0)
        return false;
    if (!askYesNo(msg::confirmaBorrarComercio(m_opened.text(col::ComNombre)), MessageIcon::Question, false)) {
        inform(msg::canceladaPorUsuario());
        return false;
    }
    if (!m_store.deleteOpenedPremises(m_opened.comId)) {
        fail(msg::errorBorrarDatos());
        return false;
    }
    inform(msg::datosBorrados());
    m_opened = {};
    return true;
}

bool Cp01Form::Cmd_Aceptar() const
{
    return askYesNo(msg::confirmaSalir(), MessageIcon::Question, false);
}

}
