#include "cp01/cp01store.h"

#include "cp01/cp01messages.h"
#include "data/transaction.h"

namespace ventrix::cp01 {
namespace {

const QString Procedures = QStringLiteral("Form_Cp01");
const QString Premises = QStringLiteral("Form_Cp01_Comercios");
const QString PremisesActivities = QStringLiteral("Form_Cp01_Com_Act");
const QString ActivityColumns = QStringLiteral("Act_Codigo, Act_Denominacion, Act_Alicuota, Act_NumEmp, "
                                               "Act_BaseMinimo, Act_Fecha, Act_FhCese, Act_Exento");

QString activityTable(int premises)
{
    return premises == 1 ? QStringLiteral("Form_Cp01_Act")
                         : QStringLiteral("Form_Cp01_Act") + QString::number(premises);
}

template <typename T> QVariant optionalValue(const std::optional<T>& v)
{
    if constexpr (std::is_same_v<T, qint64>)
        return v ? QVariant(*v) : QVariant();
    else
        return v ? QVariant(v->units()) : QVariant();
}

ActivityRow activityOf(const data::Recordset& rs)
{
    ActivityRow r;
    r.codigo = rs.value(0).toString();
    r.denominacion = rs.value(1).toString();
    if (rs.value(2).isValid())
        r.alicuota = rs.value(2).value<Rate>();
    if (rs.value(3).isValid())
        r.numEmp = rs.value(3).toLongLong();
    if (rs.value(4).isValid())
        r.baseMinimo = rs.value(4).value<Money>();
    r.fecha = rs.value(5).toDate();
    r.fhCese = rs.value(6).toDate();
    r.exento = rs.value(7).toLongLong() != 0;
    return r;
}

QVariant dateValue(QDate d)
{
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}

}

Cp01Store::Cp01Store(data::AccesoDatos& db)
    : m_db(db)
{
}

FieldValues Cp01Store::cutToWidths(const QString& table, const QString& prefix, FieldValues values) const
{
    const auto widths = m_db.fieldSizes(table, prefix);
    for (auto it = values.begin(); it != values.end(); ++it) {
        for (auto w = widths.constBegin(); w != widths.constEnd(); ++w) {
            if (w.key().compare(it.key(), Qt::CaseInsensitive) == 0
                && it.value().typeId() == QMetaType::QString && it.value().toString().size() > w.value())
                it.value() = it.value().toString().left(w.value());
        }
    }
    return values;
}

Result<ActivityTable> Cp01Store::readActivities(
    const QString& table, const QString& parentColumn, qint64 parent)
{
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT ") + ActivityColumns + QStringLiteral(" FROM ") + table
        + QStringLiteral(" WHERE ") + parentColumn + QStringLiteral(" = ? ORDER BY Act_ID");
    if (m_db.openRecordset(sql, { parent }, rs) != data::AccesoDatos::Opened)
        return Error { msg::errorCargarActividades() };
    ActivityTable out;
    for (int i = 0; !rs.eof() && i < ActivityTable::Rows; rs.moveNext(), ++i)
        out.row(i) = activityOf(rs);
    return out;
}

Result<ActivityTable> Cp01Store::Cargar_Tabla(int premises, qint64 cp01Id)
{
    return readActivities(activityTable(premises), QStringLiteral("CP01_ID"), cp01Id);
}

Result<ActivityTable> Cp01Store::Cargar_Tabla4(qint64 comId)
{
    return readActivities(PremisesActivities, QStringLiteral("Com_ID"), comId);
}

Status Cp01Store::rewriteActivities(
    const QString& table, const QString& parentColumn, qint64 parent, const ActivityTable& rows)
{
    const QString del = QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE ") + parentColumn
        + QStringLiteral(" = ?");
    if (m_db.execute(del, { parent }) != data::AccesoDatos::Ok)
        return Error { msg::errorGuardarActividades() };
    const QString ins = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + parentColumn
        + QStringLiteral(", ") + ActivityColumns + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const auto widths = m_db.fieldSizes(table, QStringLiteral("Act_"));
    for (const ActivityRow& r : rows.rows()) {
        // A row without a start date is not an activity the authority can receive.
        if (r.isEmpty() || !r.fecha.isValid())
            continue;
        const QVariantList values { parent,
            r.codigo.trimmed().left(widths.value(QStringLiteral("Act_Codigo"), 6)),
            r.denominacion.left(widths.value(QStringLiteral("Act_Denominacion"), 150)),
            optionalValue(r.alicuota), optionalValue(r.numEmp), optionalValue(r.baseMinimo),
            dateValue(r.fecha), dateValue(r.fhCese), r.exento ? 1 : 0 };
        if (m_db.execute(ins, values) != data::AccesoDatos::Ok)
            return Error { msg::errorGuardarActividades() };
    }
    return {};
}

Status Cp01Store::Guardar_Tabla(int premises, qint64 cp01Id, const ActivityTable& activities)
{
    data::Transaction tx(m_db.connection());
    if (auto s = rewriteActivities(activityTable(premises), QStringLiteral("CP01_ID"), cp01Id, activities);
        !s)
        return s;
    return tx.commit() ? Status() : Status(Error { msg::errorGuardarActividades() });
}

Status Cp01Store::Guardar_Tabla4(qint64 comId, const ActivityTable& activities)
{
    data::Transaction tx(m_db.connection());
    if (auto s = rewriteActivities(PremisesActivities, col::ComId, comId, activities); !s)
        return s;
    return tx.commit() ? Status() : Status(Error { msg::errorGuardarActividades() });
}

Result<Cp01Record> Cp01Store::load(qint64 cp01Id)
{
    Cp01Record record;
    const auto status = m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01 WHERE CP01_ID = ?"),
        { cp01Id }, QStringLiteral("CP01"), record.fields);
    if (status != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    for (int n = 1; n <= 3; ++n) {
        auto table = Cargar_Tabla(n, cp01Id);
        if (!table)
            return Error { table.error() };
        record.premisesActivities(n) = *table;
    }
    return record;
}

Status Cp01Store::GuardarCP01(Cp01Record& record, qint64 cmdId, qint64 derivedFrom)
{
    const qint64 before = record.id();
    FieldValues values = record.fields;
    // Columns other screens own; the form neither shows nor writes them.
    values.remove(col::TrigerIngreso);
    values.remove(col::FormCp01);
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorAcceso() };
    const data::SaveResult saved = m_db.saveFields(
        { Procedures, col::Id, before == 0 ? QVariant() : QVariant(before), QStringLiteral("CMD_ID"), cmdId,
            QStringLiteral("CP01"), cutToWidths(Procedures, QStringLiteral("CP01"), values) });
    if (!saved.ok)
        return Error { msg::errorAcceso() };
    for (int n = 1; n <= 3; ++n) {
        if (auto s = rewriteActivities(
                activityTable(n), QStringLiteral("CP01_ID"), saved.key, record.premisesActivities(n));
            !s)
            return s;
    }
    if (before == 0 && derivedFrom != 0) {
        if (auto s = InsertComercios(derivedFrom, saved.key); !s)
            return s;
    }
    if (!tx.commit())
        return Error { msg::errorAcceso() };
    record.fields = cutToWidths(Procedures, QStringLiteral("CP01"), record.fields);
    record.set(col::Id, saved.key);
    for (int n = 1; n <= 3; ++n) {
        if (auto table = Cargar_Tabla(n, saved.key))
            record.premisesActivities(n) = *table;
    }
    return {};
}

Result<qint64> Cp01Store::copyPremises(qint64 comId, qint64 toCp01)
{
    FieldValues values;
    if (m_db.loadFields(QStringLiteral("SELECT * FROM Form_Cp01_Comercios WHERE Com_ID = ?"), { comId },
            QStringLiteral("Com"), values)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAcceso() };
    // The permanent identity travels with every copy; a premises stored before it was kept
    // takes the key of the copy it comes from.
    if (values.value(col::ComComId).isNull())
        values.insert(col::ComComId, comId);
    const data::SaveResult saved = m_db.saveFields(
        { Premises, col::ComId, {}, QStringLiteral("Cp01_ID"), toCp01, QStringLiteral("Com"), values });
    if (!saved.ok)
        return Error { msg::errorAcceso() };
    const QString copy = QStringLiteral("INSERT INTO Form_Cp01_Com_Act (Com_ID, ") + ActivityColumns
        + QStringLiteral(") SELECT ?, ") + ActivityColumns
        + QStringLiteral(" FROM Form_Cp01_Com_Act WHERE Com_ID = ? ORDER BY Act_ID");
    if (m_db.execute(copy, { saved.key, comId }) != data::AccesoDatos::Ok)
        return Error { msg::errorGuardarActividades() };
    return saved.key;
}

Status Cp01Store::InsertComercios(qint64 fromCp01, qint64 toCp01)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT Com_ID FROM Form_Cp01_Comercios WHERE Cp01_ID = ? ORDER BY Com_ID"),
            { fromCp01 }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<qint64> sources;
    for (; !rs.eof(); rs.moveNext())
        sources << rs.value(0).toLongLong();
    rs.close();
    data::Transaction tx(m_db.connection());
    for (qint64 comId : sources) {
        if (auto copied = copyPremises(comId, toCp01); !copied)
            return Error { copied.error() };
    }
    return tx.commit() ? Status() : Status(Error { msg::errorAcceso() });
}

}
