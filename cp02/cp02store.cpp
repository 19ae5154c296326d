#include "cp02/cp02store.h"

#include "cp02/cp02messages.h"
#include "data/transaction.h"

namespace ventrix::cp02 {
namespace {

const QString Declarations = QStringLiteral("CP02");
const QString ImpAnualColumns
    = QStringLiteral("CPIA_Codigo, CPIA_Actividad, CPIA_Exento, CPIA_BaseImponible, "
                     "CPIA_Alicuota, CPIA_Impuesto, CPIA_NumEmp");
const QString AnticMinColumns
    = QStringLiteral("CPAM_Mes, CPAM_FechaPago, CPAM_BaseImponible, CPAM_AnticipDeter, CPAM_ImpuestoMin, "
                     "CPAM_TotalComp, CPAM_Retenciones, CPAM_Saldo, CPAM_Depos");

std::optional<Money> moneyOf(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    if (v.metaType() == QMetaType::fromType<Money>())
        return v.value<Money>();
    return Money::fromUnits(v.toLongLong());
}

std::optional<qint64> integerOf(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return v.toLongLong();
}

QVariant stored(const std::optional<Money>& v)
{
    return v ? QVariant(v->units()) : QVariant();
}

QVariant stored(const std::optional<qint64>& v)
{
    return v ? QVariant(*v) : QVariant();
}

// One selection of the union: the activities of one kind of premises carried on in the year.
QString selection(const QString& tag, const QString& from)
{
    return QStringLiteral("SELECT ") + tag
        + QStringLiteral(" AS NumNeg, A.Act_Denominacion AS Denominacion, A.Act_Codigo AS Act_Codigo, "
                         "A.Act_Alicuota AS Act_Alicuota, A.Act_NumEmp AS Act_NumEmp, "
                         "A.Act_BaseMinimo AS Act_BaseMinimo, A.Act_Exento AS Act_Exento FROM ")
        + from
        + QStringLiteral(" WHERE A.Act_Fecha IS NOT NULL AND P.CMD_ID = ? AND A.Act_Fecha <= ? "
                         "AND (A.Act_FhCese IS NULL OR A.Act_FhCese < ?) "
                         "GROUP BY NumNeg, Denominacion, A.Act_Codigo, A.Act_Alicuota, A.Act_NumEmp, "
                         "A.Act_BaseMinimo, A.Act_Exento "
                         "HAVING MAX(A.Act_Fecha) > MAX(A.Act_FhCese) OR MAX(A.Act_FhCese) IS NULL");
}

QString yearActivitiesQuery()
{
    const QString premises = QStringLiteral("Form_Cp01 P JOIN %1 A ON A.CP01_ID = P.CP01_ID");
    return selection(QStringLiteral("'Com1:'"), premises.arg(QStringLiteral("Form_Cp01_Act")))
        + QStringLiteral(" UNION ALL ")
        + selection(QStringLiteral("'Com2:'"), premises.arg(QStringLiteral("Form_Cp01_Act2")))
        + QStringLiteral(" UNION ALL ")
        + selection(QStringLiteral("'Com3:'"), premises.arg(QStringLiteral("Form_Cp01_Act3")))
        + QStringLiteral(" UNION ALL ")
        + selection(QStringLiteral("C.Com_Com_ID"),
            QStringLiteral("Form_Cp01 P JOIN Form_Cp01_Comercios C ON C.Cp01_ID = P.CP01_ID "
                           "JOIN Form_Cp01_Com_Act A ON A.Com_ID = C.Com_ID"))
        + QStringLiteral(" ORDER BY Denominacion ASC");
}

}

QString DeclarationEntry::text() const
{
    return msg::declaracion(periodo, tramite);
}

Cp02Store::Cp02Store(data::AccesoDatos& db)
    : m_db(db)
{
}

Result<TaxpayerData> Cp02Store::loadTaxpayer(qint64 cmdId, qint64 cp01Id)
{
    TaxpayerData out;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01 WHERE CMD_ID = ? AND CP01_ID = ?"),
            { cmdId, cp01Id }, QStringLiteral("CP01"), out.fields)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    return out;
}

Result<TaxpayerData> Cp02Store::taxpayerOf(qint64 cp02Id)
{
    TaxpayerData out;
    if (m_db.loadFields(QStringLiteral("SELECT P.* FROM Form_Cp01 P JOIN CP02 C ON C.CP01_ID = P.CP01_ID "
                                       "WHERE C.CP02_ID = ?"),
            { cp02Id }, QStringLiteral("CP01"), out.fields)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    return out;
}

Result<QList<DeclarationEntry>> Cp02Store::declarations(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT C.CP02_Periodo, C.CP02_Tramite, C.CP02_ID FROM Form_Cp01 P "
                                          "JOIN CP02 C ON C.CP01_ID = P.CP01_ID WHERE P.CMD_ID = ? "
                                          "ORDER BY C.CP02_Periodo DESC, C.CP02_ID DESC"),
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<DeclarationEntry> out;
    for (; !rs.eof(); rs.moveNext())
        out.append({ rs.value(2).toLongLong(), rs.value(0).toInt(), rs.value(1).toString() });
    return out;
}

Result<QList<AnnualActivity>> Cp02Store::Cargar_TablaImpAnual(qint64 cp02Id)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT ") + ImpAnualColumns
                + QStringLiteral(" FROM Cp02_ImpAnual WHERE CP02_ID = ? ORDER BY CPIA_ID"),
            { cp02Id }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorActividadesAnuales() };
    QList<AnnualActivity> out;
    for (; !rs.eof(); rs.moveNext()) {
        out.append({ rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toLongLong() != 0,
            moneyOf(rs.value(3)), moneyOf(rs.value(4)), moneyOf(rs.value(5)), integerOf(rs.value(6)) });
    }
    return out;
}

Result<MonthGrid> Cp02Store::Cargar_TablaAnticipo(qint64 cp02Id)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT ") + AnticMinColumns
                + QStringLiteral(" FROM Cp02_AnticMin WHERE CP02_ID = ? ORDER BY CPAM_ID"),
            { cp02Id }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorActividadesAnuales() };
    MonthGrid grid = emptyMonths();
    for (int i = 0; !rs.eof() && i < 12; rs.moveNext(), ++i) {
        MonthRow& m = grid.at(i);
        m.fechaPago = rs.value(1).toDate();
        m.amounts = { moneyOf(rs.value(2)), moneyOf(rs.value(3)), moneyOf(rs.value(4)), moneyOf(rs.value(5)),
            moneyOf(rs.value(6)), moneyOf(rs.value(7)), moneyOf(rs.value(8)) };
    }
    return grid;
}

Result<Cp02Record> Cp02Store::load(qint64 cp02Id)
{
    Cp02Record r;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM CP02 WHERE CP02_ID = ?"), { cp02Id },
            QStringLiteral("CP02"), r.fields)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    auto activities = Cargar_TablaImpAnual(cp02Id);
    if (!activities)
        return Error { activities.error() };
    auto months = Cargar_TablaAnticipo(cp02Id);
    if (!months)
        return Error { months.error() };
    r.activities = *activities;
    r.months = *months;
    return r;
}

Result<bool> Cp02Store::originalExists(qint64 cmdId, int periodo)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT C.CP02_ID FROM Form_Cp01 P JOIN CP02 C ON C.CP01_ID = P.CP01_ID "
                           "WHERE P.CMD_ID = ? AND C.CP02_Tramite = ? AND C.CP02_Periodo = ?"),
            { cmdId, Original, periodo }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    return !rs.eof();
}

Result<QString> Cp02Store::premisesTag(const QVariant& tag)
{
    if (tag.toString().startsWith(u'C'))
        return tag.toString();
    data::Recordset rs;
    if (tag.isValid() && !tag.isNull()
        && m_db.openRecordset(
               QStringLiteral("SELECT Com_Activ_ComerNum FROM Form_Cp01_Comercios WHERE Com_ID = ?"), { tag },
               rs)
            != data::AccesoDatos::Opened)
        return Error { msg::errorActividades() };
    if (!rs.isOpen() || rs.eof() || !rs.value(0).isValid() || rs.value(0).isNull())
        return QStringLiteral("Com--:");
    return QString(QStringLiteral("Com") + rs.value(0).toString() + u':');
}

Result<QList<AnnualActivity>> Cp02Store::Cargar_New_Actividades(qint64 cmdId, int periodo)
{
    const QVariantList bounds { cmdId, QDate(periodo, 12, 31).toString(Qt::ISODate),
        QDate(periodo, 1, 1).toString(Qt::ISODate) };
    data::Recordset rs;
    if (m_db.openRecordset(yearActivitiesQuery(), bounds + bounds + bounds + bounds, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorActividades() };
    struct Found
    {
        QVariant tag;
        AnnualActivity row;
    };
    QList<Found> found;
    for (; !rs.eof(); rs.moveNext()) {
        AnnualActivity a;
        a.codigo = rs.value(QStringLiteral("Act_Codigo")).toString();
        a.actividad = rs.value(QStringLiteral("Denominacion")).toString();
        a.exento = rs.value(QStringLiteral("Act_Exento")).toLongLong() != 0;
        a.alicuota = moneyOf(rs.value(QStringLiteral("Act_Alicuota")));
        a.numEmp = integerOf(rs.value(QStringLiteral("Act_NumEmp")));
        found.append({ rs.value(QStringLiteral("NumNeg")), a });
    }
    rs.close();
    QList<AnnualActivity> out;
    for (Found& f : found) {
        auto tag = premisesTag(f.tag);
        if (!tag)
            return Error { tag.error() };
        f.row.actividad = *tag + f.row.actividad;
        out.append(f.row);
    }
    return out;
}

Status Cp02Store::Guardar_TablaImpAnual(qint64 cp02Id, const QList<AnnualActivity>& rows)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Cp02_ImpAnual WHERE CP02_ID = ?"), { cp02Id })
        != data::AccesoDatos::Ok)
        return Error { msg::errorGuardarImpAnual() };
    const QString ins = QStringLiteral("INSERT INTO Cp02_ImpAnual (CP02_ID, ") + ImpAnualColumns
        + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    const auto widths = m_db.fieldSizes(QStringLiteral("Cp02_ImpAnual"), QStringLiteral("CPIA_"));
    for (const AnnualActivity& a : rows) {
        if (!a.hasCode())
            continue;
        const QVariantList values { cp02Id,
            a.codigo.trimmed().left(widths.value(QStringLiteral("CPIA_Codigo"), 6)),
            a.actividad.left(widths.value(QStringLiteral("CPIA_Actividad"), 160)), a.exento ? 1 : 0,
            stored(a.base), stored(a.alicuota), stored(a.impuesto), stored(a.numEmp) };
        if (m_db.execute(ins, values) != data::AccesoDatos::Ok)
            return Error { msg::errorGuardarImpAnual() };
    }
    return {};
}

Status Cp02Store::Guardar_TablaAnticipo(qint64 cp02Id, const MonthGrid& months)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Cp02_AnticMin WHERE CP02_ID = ?"), { cp02Id })
        != data::AccesoDatos::Ok)
        return Error { msg::errorGuardarAnticipos() };
    const QString ins = QStringLiteral("INSERT INTO Cp02_AnticMin (CP02_ID, ") + AnticMinColumns
        + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const MonthRow& m : months) {
        const MonthAmounts& a = m.amounts;
        const QVariantList values { cp02Id, m.mes,
            m.fechaPago.isValid() ? QVariant(m.fechaPago.toString(Qt::ISODate)) : QVariant(), stored(a.base),
            stored(a.anticipo), stored(a.minimo), stored(a.computado), stored(a.retenciones), stored(a.saldo),
            stored(a.depositado) };
        if (m_db.execute(ins, values) != data::AccesoDatos::Ok)
            return Error { msg::errorGuardarAnticipos() };
    }
    return {};
}

Status Cp02Store::save(Cp02Record& record, qint64 cp01Id)
{
    const qint64 before = record.id();
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorAcceso() };
    const data::SaveResult saved
        = m_db.saveFields({ Declarations, col::Id, before == 0 ? QVariant() : QVariant(before),
            QStringLiteral("CP01_ID"), cp01Id, QStringLiteral("CP02"), record.fields });
    if (!saved.ok)
        return Error { msg::errorAcceso() };
    if (auto s = Guardar_TablaImpAnual(saved.key, record.activities); !s)
        return s;
    if (auto s = Guardar_TablaAnticipo(saved.key, record.months); !s)
        return s;
    if (!tx.commit())
        return Error { msg::errorAcceso() };
    record.set(col::Id, saved.key);
    return {};
}

Status Cp02Store::remove(qint64 cp02Id)
{
    if (m_db.execute(QStringLiteral("DELETE FROM CP02 WHERE CP02_ID = ?"), { cp02Id })
        != data::AccesoDatos::Ok)
        return Error { msg::errorBorrar() };
    return {};
}

}
