#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "sid3/activitytax.h"
#include "sid3/period.h"

namespace ventrix::sid3 {

// What the previous year's annual declarations say about employees.
struct Cp02Employees
{
    bool found = false; // whether the taxpayer has an annual declaration of that year
    std::optional<qint64> numEmpleados; // the taxpayer's total, from the latest matching one
};

// Reads what a declaration's activities come from: the taxpayer's inscriptions, the nomenclature
// and the previous year's annual declarations.
class ActivitySource
{
public:
    explicit ActivitySource(data::AccesoDatos& db)
        : m_db(db)
    {
    }

    // The activities of every inscription of the taxpayer carried on during the period, by name:
    // those started by its last day and not ceased, or ceased before it and started again.
    // Base and tax are zero. No activity is refused with the authority's message.
    Result<QList<ActivityLine>> CargarTablaNew(qint64 cmdId, Period period);

    // The greatest minimum of the column among the lines' codes (exempt lines included);
    // nullopt when no line has a code or the nomenclature has none of them.
    Result<std::optional<Money>> nomenclaMinimum(const QList<ActivityLine>& lines, MinimumColumn column);

    // Each line's employees from the latest annual declaration of the year listing its code and
    // name; lines it does not list keep theirs.
    Result<Cp02Employees> CargarTablaNewNumEmp(qint64 cmdId, int year, QList<ActivityLine>& lines);

private:
    Result<QString> premisesTag(const QString& tag);

    data::AccesoDatos& m_db;
};

}
