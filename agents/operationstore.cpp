#include "agents/operationstore.h"

#include "agents/agentsmessages.h"
#include "common/fieldchecks.h"
#include "data/transaction.h"

namespace ventrix::agents {
namespace {

QVariant isoDate(QDate d)
{
    return d.toString(Qt::ISODate);
}

// Texts longer than their column are cut, as the screen's fields would have limited them.
FieldValues cutToWidths(const QHash<QString, int>& widths, FieldValues values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        const int width = widths.value(it.key(), 0);
        if (width > 0 && it.value().typeId() == QMetaType::QString && it.value().toString().size() > width)
            it.value() = it.value().toString().left(width);
    }
    return values;
}

QString joinCp01()
{
    return QStringLiteral(
        " FROM Form_Cp01 INNER JOIN %1 ON %1.CP01_ID = Form_Cp01.CP01_ID WHERE Form_Cp01.CMD_ID = ?");
}

}

const QStringList& agentDataColumns()
{
    static const QStringList columns { QStringLiteral("CP01_Contribuyente"),
        QStringLiteral("CP01_DomFisc_Domicilio"), QStringLiteral("CP01_DomFisc_DomNumero"),
        QStringLiteral("CP01_DomFisc_Piso"), QStringLiteral("CP01_DomFisc_Depto"),
        QStringLiteral("CP01_DomFisc_Oficina"), QStringLiteral("CP01_DomFisc_Monoblock"),
        QStringLiteral("CP01_DomFisc_Planta"), QStringLiteral("CP01_DomFisc_CodPostal"),
        QStringLiteral("CP01_DomFisc_Localidad"), QStringLiteral("CP01_DomFisc_Provincia"),
        QStringLiteral("CP01_DomFisc_Te_Caract"), QStringLiteral("CP01_DomFisc_Telefono"),
        QStringLiteral("CP01_DomFisc_Email"), QStringLiteral("CP01_CUIT"), QStringLiteral("CP01_IngBrut") };
    return columns;
}

AgentIdentity AgentData::identity() const
{
    return { text(QStringLiteral("CP01_CUIT")), text(QStringLiteral("CP01_IngBrut")), numAgente };
}

OperationStore::OperationStore(data::AccesoDatos& db, const RegisterKind& kind)
    : m_db(db)
    , m_kind(kind)
{
}

Result<AgentData> OperationStore::agentData(qint64 cmdId, qint64 cp01Id)
{
    AgentData data;
    const QString sql = QStringLiteral("SELECT ") + agentDataColumns().join(QStringLiteral(", "))
        + QStringLiteral(" FROM Form_Cp01 WHERE CMD_ID = ? AND CP01_ID = ?");
    if (m_db.loadFields(sql, { cmdId, cp01Id }, QStringLiteral("CP01"), data.cp01)
        == data::LoadStatus::Failed)
        return Error { msg::errorAccesoBase() };
    data::Recordset rs;
    const QString number
        = QStringLiteral("SELECT ") + m_kind.cmdNumberColumn + QStringLiteral(" FROM CMD WHERE CMD_ID = ?");
    if (m_db.openRecordset(number, { cmdId }, rs) != data::AccesoDatos::Opened)
        return Error { m_kind.numberLookupError() };
    if (!rs.eof())
        data.numAgente = rs.value(0).toString().trimmed();
    return data;
}

Result<AgentOperation> OperationStore::load(qint64 id)
{
    FieldValues row;
    const QString sql = QStringLiteral("SELECT * FROM ") + m_kind.table + QStringLiteral(" WHERE ")
        + m_kind.keyColumn + QStringLiteral(" = ?");
    if (m_db.loadFields(sql, { id }, QStringLiteral(""), row) != data::LoadStatus::Loaded)
        return Error { msg::errorAccesoBase() };
    return operationFromFields(m_kind, row);
}

Result<DeclarationMarks> OperationStore::marks(qint64 id)
{
    const QString sql = QStringLiteral("SELECT ") + m_db.fieldList(m_kind.table, m_kind.prefix)
        + QStringLiteral(" FROM ") + m_kind.table + QStringLiteral(" WHERE ") + m_kind.keyColumn
        + QStringLiteral(" = ?");
    FieldValues row;
    if (m_db.loadFields(sql, { id }, m_kind.prefix, row) == data::LoadStatus::Failed)
        return Error { msg::errorAccesoBase() };
    return marksFromFields(m_kind, row);
}

Status OperationStore::save(AgentOperation& op, qint64 cp01Id)
{
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorGuardar() };
    if (op.id > 0) {
        const auto stored = marks(op.id);
        if (!stored)
            return Error { msg::errorGuardar() };
        if (auto locked = lockedForSaving(*stored))
            return Error { *locked };
    }
    const data::SaveResult saved = m_db.saveFields({ m_kind.table, m_kind.keyColumn,
        op.id > 0 ? QVariant(op.id) : QVariant(), QStringLiteral("CP01_ID"), cp01Id, m_kind.prefix,
        cutToWidths(m_db.fieldSizes(m_kind.table, m_kind.prefix), operationFields(m_kind, op)) });
    if (!saved.ok || !tx.commit())
        return Error { msg::errorGuardar() };
    op.id = saved.key;
    op.cp01Id = cp01Id;
    return {};
}

Status OperationStore::remove(qint64 id)
{
    data::Transaction tx(m_db.connection());
    const auto stored = marks(id);
    if (!tx.isActive() || !stored)
        return Error { msg::canceladaPorSistema(m_db.lastError()) };
    if (auto locked = lockedForDeleting(*stored))
        return Error { *locked };
    const QString sql = QStringLiteral("DELETE FROM ") + m_kind.table + QStringLiteral(" WHERE ")
        + m_kind.keyColumn + QStringLiteral(" = ?");
    const QString answer = m_db.execute(sql, { id });
    if (answer != data::AccesoDatos::Ok)
        return Error { msg::canceladaPorSistema(answer) };
    if (!tx.commit())
        return Error { msg::canceladaPorSistema(tx.lastError()) };
    return {};
}

Result<QList<ListEntry>> OperationStore::search(qint64 cmdId, const QString& text)
{
    const QString name = m_kind.column(QStringLiteral("Contribuyente"));
    const QString sql = QStringLiteral("SELECT ") + name + QStringLiteral(", ") + m_kind.dateColumn
        + QStringLiteral(", ") + m_kind.keyColumn + joinCp01().arg(m_kind.table) + QStringLiteral(" AND ")
        + name + QStringLiteral(" LIKE ? ESCAPE '\\' ORDER BY ") + name + QStringLiteral(", ")
        + m_kind.dateColumn + QStringLiteral(" DESC");
    data::Recordset probe;
    const QVariantList params { cmdId, likePattern(text, LikeMatch::StartsWith, true) };
    if (m_db.openRecordset(sql, params, probe) != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    const QString pattern = u'{' + m_kind.dateColumn + QStringLiteral("},{") + name + u'}';
    return m_db.fillList(sql, params, pattern, m_kind.keyColumn);
}

Result<QList<Counterpart>> OperationStore::counterparts(const QString& text)
{
    const QString name = m_kind.column(QStringLiteral("Contribuyente"));
    const QString cuit = m_kind.column(QStringLiteral("CUIT"));
    const QString ib = m_kind.column(QStringLiteral("IBrutos"));
    const QString sql = QStringLiteral("SELECT DISTINCT ") + name + QStringLiteral(", ") + cuit
        + QStringLiteral(", ") + ib + QStringLiteral(" FROM ") + m_kind.table + QStringLiteral(" WHERE ")
        + name + QStringLiteral(" LIKE ? ESCAPE '\\' OR ") + cuit + QStringLiteral(" LIKE ? ESCAPE '\\' OR ")
        + ib + QStringLiteral(" LIKE ? ESCAPE '\\' ORDER BY ") + name;
    const QString trimmed = text.trimmed();
    const QString contains = likePattern(trimmed, LikeMatch::Contains);
    data::Recordset rs;
    if (m_db.openRecordset(sql, { likePattern(trimmed, LikeMatch::StartsWith, true), contains, contains }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    QList<Counterpart> out;
    for (; !rs.eof(); rs.moveNext()) {
        Counterpart c;
        c.contribuyente = rs.value(0).toString();
        c.cuit = rs.value(1).toString();
        c.iBrutos = rs.value(2).toString();
        out.append(c);
    }
    return out;
}

Result<std::optional<AgentOperation>> OperationStore::firstAsNew(
    const QString& sql, const QVariantList& params)
{
    FieldValues row;
    const data::LoadStatus status = m_db.loadFields(sql, params, QStringLiteral(""), row);
    if (status == data::LoadStatus::Failed)
        return Error { msg::errorAccesoBaseDatos() };
    if (status == data::LoadStatus::NotFound)
        return std::optional<AgentOperation>();
    const auto stored = operationFromFields(m_kind, row);
    if (!stored)
        return Error { stored.error() };
    return std::optional(newOperationFor(stored->counterpart));
}

Result<std::optional<AgentOperation>> OperationStore::latestOf(const Counterpart& c)
{
    // Each of the three is compared on its own, so a name holding the separator of a joined key
    // cannot match another counterpart.
    const QString sql = QStringLiteral("SELECT * FROM ") + m_kind.table + QStringLiteral(" WHERE COALESCE(")
        + m_kind.column(QStringLiteral("Contribuyente")) + QStringLiteral(", '') = ? AND COALESCE(")
        + m_kind.column(QStringLiteral("CUIT")) + QStringLiteral(", '') = ? AND COALESCE(")
        + m_kind.column(QStringLiteral("IBrutos")) + QStringLiteral(", '') = ? ORDER BY ") + m_kind.dateColumn
        + QStringLiteral(" DESC, ") + m_kind.keyColumn + QStringLiteral(" DESC LIMIT 1");
    return firstAsNew(sql, { c.contribuyente, c.cuit, c.iBrutos });
}

Result<std::optional<AgentOperation>> OperationStore::latestByIdentifier(
    IdentifierKind which, const QString& identifier)
{
    const QString column
        = m_kind.column(which == IdentifierKind::Cuit ? QStringLiteral("CUIT") : QStringLiteral("IBrutos"));
    const QString sql = QStringLiteral("SELECT * FROM ") + m_kind.table + QStringLiteral(" WHERE ") + column
        + QStringLiteral(" = ? ORDER BY ") + m_kind.keyColumn + QStringLiteral(" DESC LIMIT 1");
    return firstAsNew(sql, { identifier.trimmed() });
}

Result<int> OperationStore::depositsOfPeriod(qint64 cmdId, QDate date)
{
    const QString sql = QStringLiteral("SELECT COUNT(*) AS Cantidad")
        + joinCp01().arg(QStringLiteral("Form_ARP"))
        + QStringLiteral(" AND Arp_Operacion = ? AND ? BETWEEN Arp_Desde AND Arp_Hasta");
    data::Recordset rs;
    if (m_db.openRecordset(sql, { cmdId, m_kind.arpOperacion, isoDate(date) }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAccesoBaseDatos() };
    return static_cast<int>(rs.value(0).toLongLong());
}

Result<PeriodList> OperationStore::period(qint64 cmdId, QDate desde, QDate hasta)
{
    const QString sql = QStringLiteral("SELECT ") + m_kind.keyColumn + QStringLiteral(", ")
        + m_kind.dateColumn + QStringLiteral(", ") + m_kind.column(QStringLiteral("Contribuyente"))
        + QStringLiteral(", ") + m_kind.column(QStringLiteral("CUIT")) + QStringLiteral(", ")
        + m_kind.column(QStringLiteral("BaseImp")) + QStringLiteral(", ")
        + m_kind.column(QStringLiteral("Alicuota")) + QStringLiteral(", ") + m_kind.amountColumn
        + QStringLiteral(", ") + m_kind.column(QStringLiteral("FechaDDJJ")) + QStringLiteral(", ")
        + m_kind.column(QStringLiteral("Periodo_DDJJOutDate")) + joinCp01().arg(m_kind.table)
        + QStringLiteral(" AND ") + m_kind.dateColumn + QStringLiteral(" BETWEEN ? AND ? ORDER BY ")
        + m_kind.dateColumn + QStringLiteral(", ") + m_kind.keyColumn;
    data::Recordset rs;
    if (m_db.openRecordset(sql, { cmdId, isoDate(desde), isoDate(hasta) }, rs) != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    PeriodList out;
    for (; !rs.eof(); rs.moveNext()) {
        PeriodRow r { rs.value(0).toLongLong(), rs.value(1).toDate(), rs.value(2).toString(),
            rs.value(3).toString(), rs.value(4).value<Money>(), rs.value(5).value<Fixed<4>>(),
            rs.value(6).value<Money>(), rs.value(7).isValid() || !rs.value(8).toString().isEmpty() };
        out.totalBase += r.base;
        out.totalImporte += r.importe;
        out.rows.append(r);
    }
    return out;
}

Result<QStringList> OperationStore::provincias()
{
    return readProvincias(m_db);
}

Result<QStringList> readProvincias(data::AccesoDatos& db)
{
    data::Recordset rs;
    if (db.openRecordset(QStringLiteral("SELECT Provincia FROM Provincias ORDER BY Provincia"), {}, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    QStringList out;
    for (; !rs.eof(); rs.moveNext())
        out.append(rs.value(0).toString());
    return out;
}

}
