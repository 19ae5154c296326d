#include "cp02/cp02checks.h"

#include "cp02/annualtax.h"
#include "cp02/cp02messages.h"

namespace ventrix::cp02 {

std::optional<QString> storingChecks(const Cp02Record& r)
{
    if (r.periodo() <= 0)
        return msg::ingresePeriodo();
    const std::optional<qint64> empleados = r.integer(col::NumEmpleados);
    if (!empleados)
        return msg::ingreseEmpleados();
    for (int n = 1; n <= 5; ++n) {
        const QDate inicio = r.date(col::exempt(n, QStringLiteral("FechaIni")));
        const QDate fin = r.date(col::exempt(n, QStringLiteral("FechaFin")));
        if (inicio.isValid() && fin.isValid() && inicio > fin)
            return msg::inicioMayorFin();
    }
    for (const AnnualActivity& a : r.activities) {
        if (a.hasCode() && !a.numEmp)
            return msg::empleadosActividad(a.codigo, a.actividad);
    }
    if (*empleados < activityTotals(r.activities).maxEmpleados)
        return msg::empleadosMenorMaximo();
    return std::nullopt;
}

}
