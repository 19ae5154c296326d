// The checks before printing an opened premises.
#include "common/clock.h"
#include "cp01/cp01form.h"
#include "cp01/cp01messages.h"
#include "cp01/dateentry.h"

namespace ventrix::cp01 {

std::optional<QDate> Cp01Form::prepararImpresionApertura()
{
    if (m_saving)
        return std::nullopt;
    setStatus(msg::verificandoDatos(), 1400);
    if (m_opened.text(col::ComNombre).trimmed().isEmpty() && !m_opened.activities.isEmpty()) {
        m_opened.activities.clear();
        inform(msg::comercioAperturaSinNombre());
        return std::nullopt;
    }
    if (m_hooks.openedCardComplete && !m_hooks.openedCardComplete())
        return std::nullopt;
    if (m_opened.activities.isEmpty()) {
        inform(msg::sinActividadesImprimir());
        return std::nullopt;
    }
    if (auto f = openedPremisesDates(m_opened)) {
        refuse(*f);
        return std::nullopt;
    }
    if (!Cmd_Com_Guardar())
        return std::nullopt;
    const std::optional<QDate> presented = PreguntaFechaPresent(m_record.date(col::FechaPres));
    if (!presented) {
        setStatus(msg::fechaCancelada(), 2000);
        return std::nullopt;
    }
    if (*presented < Clock::today()) {
        warn(msg::presentacionAnterior());
        return std::nullopt;
    }
    return presented;
}

}
