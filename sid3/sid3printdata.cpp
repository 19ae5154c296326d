#include "sid3/sid3printdata.h"

#include "sid3/activitysource.h"
#include "sid3/sid3messages.h"
#include "sid3/sid3printmessages.h"

#include <algorithm>
#include <map>

namespace ventrix::sid3 {
namespace {

constexpr int FormLines = 6;
// The premises tag ("Com1:") the stored names begin with.
constexpr int TagLength = 5;

PrintedLine printedAsStored(const ActivityLine& l)
{
    return { l.codigo, l.denominacion, l.alicuota.value_or(Rate()), l.baseImp.value_or(Money()),
        l.impuesto.rescaled<2>(), l.baseMinimo.value_or(Money()) };
}

RegisterRecord recordOf(const data::Recordset& rs)
{
    RegisterRecord r;
    r.id = rs.value(QStringLiteral("Per_ID")).toLongLong();
    r.fecha = rs.value(QStringLiteral("Per_Fecha")).toDate();
    r.concepto = rs.value(QStringLiteral("Per_Concepto")).toString();
    const QVariant monto = rs.value(QStringLiteral("Per_Monto"));
    r.monto = monto.isValid() ? std::optional(monto.value<Money>()) : std::nullopt;
    r.mes = rs.value(QStringLiteral("Per_Mes")).toString();
    r.anio = rs.value(QStringLiteral("Per_Año")).toString();
    r.responsable = rs.value(QStringLiteral("Per_Responsable")).toString();
    r.cuit = rs.value(QStringLiteral("Per_CUIT")).toString();
    r.numAgente = rs.value(QStringLiteral("Per_NumAgenteRet")).toString();
    return r;
}

Result<QList<RegisterRecord>> recordsOf(data::AccesoDatos& db, Register reg, qint64 sidId)
{
    data::Recordset rs;
    if (db.openRecordset(QStringLiteral("SELECT * FROM ") + registerTable(reg)
                + QStringLiteral(" WHERE Sid_ID = ? ORDER BY Per_ID"),
            { sidId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<RegisterRecord> out;
    for (; !rs.eof(); rs.moveNext())
        out.append(recordOf(rs));
    return out;
}

Result<qint64> ownerOf(data::AccesoDatos& db, qint64 sidId)
{
    data::Recordset rs;
    if (db.openRecordset(QStringLiteral("SELECT P.CMD_ID FROM Form_Sid3 S JOIN Form_Cp01 P "
                                        "ON P.CP01_ID = S.CP01_ID WHERE S.Sid_ID = ?"),
            { sidId }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorCargarDatos() };
    return rs.value(0).toLongLong();
}

}

Result<QList<PrintedLine>> printedLines(const QList<ActivityLine>& lines)
{
    QList<PrintedLine> out;
    if (lines.size() <= FormLines) {
        for (const ActivityLine& l : lines)
            out.append(printedAsStored(l));
        return out;
    }
    std::map<Rate, PrintedLine> groups;
    for (const ActivityLine& l : lines) {
        const PrintedLine line = printedAsStored(l);
        auto [it, added] = groups.try_emplace(line.alicuota, line);
        PrintedLine& group = it->second;
        if (added) {
            group.denominacion = l.denominacion.mid(TagLength, 100);
            continue;
        }
        group.base += line.base;
        group.impuesto += line.impuesto;
        group.minimo = std::max(group.minimo, line.minimo);
    }
    if (groups.size() > FormLines)
        return Error { msg::demasiadasAlicuotas(int(groups.size())) };
    for (const auto& [rate, group] : groups)
        out.append(group);
    return out;
}

Result<Sid3PrintData> loadPrintData(data::AccesoDatos& db, qint64 cmdId, qint64 sidId)
{
    const auto owner = ownerOf(db, sidId);
    if (!owner)
        return Error { owner.error() };
    if (*owner != cmdId)
        return Error { msg::declaracionAjena(sidId, cmdId) };
    Sid3Store store(db);
    auto declaration = store.load(sidId);
    auto lines = store.loadLines(sidId);
    if (!declaration || !lines)
        return Error { declaration ? lines.error() : declaration.error() };
    auto identity = store.cp01Identity(declaration->cp01Id);
    if (!identity)
        return Error { identity.error() };
    auto printed = printedLines(*lines);
    if (!printed)
        return Error { printed.error() };

    Sid3PrintData data;
    data.declaration = *declaration;
    data.contribuyente = identity->contribuyente;
    data.lines = *lines;
    data.printed = *printed;
    ActivitySource source(db);
    auto nomencla = source.nomenclaMinimum(data.lines, minimumColumn(data.declaration.numEmpleado));
    if (!nomencla)
        return Error { nomencla.error() };
    data.summary = CalculaImpuesto(data.lines, *nomencla);
    data.balance = computeBalance(data.declaration.subTotalAgt, data.declaration.saldoContrib);
    for (Register reg : AllRegisters) {
        auto records = recordsOf(db, reg, sidId);
        if (!records)
            return Error { records.error() };
        data.records.at(static_cast<size_t>(reg)) = *records;
    }
    return data;
}

}
