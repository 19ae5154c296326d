#include "sid3/activitysource.h"

#include "sid3/sid3messages.h"

namespace ventrix::sid3 {
namespace {

// One selection of the union: the activities of one kind of premises carried on in the period.
QString selection(const QString& tag, const QString& from)
{
    return QStringLiteral("SELECT A.Act_Codigo AS Act_Codigo, ") + tag
        + QStringLiteral(" AS NumNeg, A.Act_Denominacion AS Act_Denom, A.Act_Alicuota AS Act_Alicuota, "
                         "A.Act_NumEmp AS Act_NumEmp, A.Act_BaseMinimo AS Act_BaseMinimo, "
                         "A.Act_Exento AS Act_Exento FROM ")
        + from
        + QStringLiteral(" WHERE A.Act_Fecha IS NOT NULL AND P.CMD_ID = ? AND A.Act_Fecha <= ? "
                         "AND (A.Act_FhCese IS NULL OR A.Act_FhCese < ?) "
                         "GROUP BY NumNeg, Act_Denom, A.Act_Codigo, A.Act_Alicuota, A.Act_NumEmp, "
                         "A.Act_BaseMinimo, A.Act_Exento "
                         "HAVING MAX(A.Act_Fecha) > MAX(A.Act_FhCese) OR MAX(A.Act_FhCese) IS NULL");
}

QString activitiesQuery()
{
    const QString joinPremises = QStringLiteral("Form_Cp01 P JOIN %1 A ON A.CP01_ID = P.CP01_ID");
    return selection(QStringLiteral("'Com1:'"), joinPremises.arg(QStringLiteral("Form_Cp01_Act")))
        + QStringLiteral(" UNION ALL ")
        + selection(QStringLiteral("'Com2:'"), joinPremises.arg(QStringLiteral("Form_Cp01_Act2")))
        + QStringLiteral(" UNION ALL ")
        + selection(QStringLiteral("'Com3:'"), joinPremises.arg(QStringLiteral("Form_Cp01_Act3")))
        + QStringLiteral(" UNION ALL ")
        + selection(QStringLiteral("C.Com_Com_ID"),
            QStringLiteral("Form_Cp01 P JOIN Form_Cp01_Comercios C ON C.Cp01_ID = P.CP01_ID "
                           "JOIN Form_Cp01_Com_Act A ON A.Com_ID = C.Com_ID"))
        + QStringLiteral(" ORDER BY Act_Denom");
}

// A value of a column read through a union or an aggregate: Money when typed, cents otherwise.
std::optional<Money> moneyOf(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    return Money::fromUnits(v.toLongLong());
}

QString iso(QDate d)
{
    return d.toString(Qt::ISODate);
}

const QString Cp02Joins = QStringLiteral(
    " FROM Form_Cp01 P JOIN CP02 C ON C.CP01_ID = P.CP01_ID JOIN Cp02_ImpAnual I ON I.CP02_ID = C.CP02_ID "
    "WHERE P.CMD_ID = ? AND C.CP02_Periodo = ?");

}

Result<QList<ActivityLine>> ActivitySource::CargarTablaNew(qint64 cmdId, Period period)
{
    const QVariantList bounds { cmdId, iso(period.lastDay()), iso(period.firstDay()) };
    data::Recordset rs;
    if (m_db.openRecordset(activitiesQuery(), bounds + bounds + bounds + bounds, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorLeerActividades() };
    QList<ActivityLine> lines;
    for (; !rs.eof(); rs.moveNext()) {
        auto tag = premisesTag(rs.value(QStringLiteral("NumNeg")).toString());
        if (!tag)
            return Error { tag.error() };
        ActivityLine l;
        l.codigo = rs.value(QStringLiteral("Act_Codigo")).toString();
        l.denominacion = *tag + rs.value(QStringLiteral("Act_Denom")).toString();
        l.exento = rs.value(QStringLiteral("Act_Exento")).toLongLong() != 0;
        const QVariant emp = rs.value(QStringLiteral("Act_NumEmp"));
        l.numEmp = emp.isValid() && !emp.isNull() ? std::optional(emp.toLongLong()) : std::nullopt;
        l.baseMinimo = moneyOf(rs.value(QStringLiteral("Act_BaseMinimo")));
        l.alicuota = moneyOf(rs.value(QStringLiteral("Act_Alicuota")));
        l.baseImp = Money();
        lines.append(l);
    }
    if (lines.isEmpty())
        return Error { msg::sinActividades() };
    return lines;
}

Result<QString> ActivitySource::premisesTag(const QString& tag)
{
    if (tag.startsWith(u'C'))
        return tag;
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT Com_Activ_ComerNum FROM Form_Cp01_Comercios WHERE Com_ID = ?"), { tag },
            rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorLeerActividades() };
    if (rs.eof() || !rs.value(0).isValid() || rs.value(0).isNull())
        return QStringLiteral("Com--:");
    return QString(QStringLiteral("Com") + rs.value(0).toString() + u':');
}

Result<std::optional<Money>> ActivitySource::nomenclaMinimum(
    const QList<ActivityLine>& lines, MinimumColumn column)
{
    QVariantList codes;
    for (const ActivityLine& l : lines) {
        bool numeric = false;
        const qint64 code = l.codigo.trimmed().toLongLong(&numeric);
        if (numeric)
            codes.append(code);
    }
    if (codes.isEmpty())
        return std::optional<Money>();
    QStringList marks(codes.size(), QStringLiteral("?"));
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT MAX(") + minimumColumnName(column)
                + QStringLiteral(") FROM Nomencla WHERE Codigo IN (") + marks.join(u',') + u')',
            codes, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    return rs.eof() ? std::optional<Money>() : moneyOf(rs.value(0));
}

Result<Cp02Employees> ActivitySource::CargarTablaNewNumEmp(qint64 cmdId, int year, QList<ActivityLine>& lines)
{
    Cp02Employees out;
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT I.CPIA_NumEmp") + Cp02Joins + QStringLiteral(" LIMIT 1"),
            { cmdId, year }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    out.found = !rs.eof();
    if (!out.found)
        return out;
    const QString perLine = QStringLiteral("SELECT I.CPIA_NumEmp, C.Cp02_NumEmpleados") + Cp02Joins
        + QStringLiteral(" AND I.CPIA_Codigo = ? AND I.CPIA_Actividad = ? ORDER BY C.CP02_ID DESC LIMIT 1");
    for (ActivityLine& l : lines) {
        if (!l.hasCode())
            continue;
        if (m_db.openRecordset(perLine, { cmdId, year, l.codigo, l.denominacion }, rs)
            != data::AccesoDatos::Opened)
            return Error { msg::errorAcceso() };
        if (rs.eof() || !rs.value(0).isValid() || rs.value(0).isNull())
            continue;
        l.numEmp = rs.value(0).toLongLong();
        const QVariant total = rs.value(1);
        if (total.isValid() && !total.isNull())
            out.numEmpleados = total.toLongLong();
    }
    return out;
}

}
