#include "agents/arpcontrol.h"

#include "agents/agentsmessages.h"
#include "common/print/pagecanvas.h"

namespace ventrix::agents {
namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
const QString OwnedBy = QStringLiteral("CP01_ID IN (SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = ?)");

// Report widths are given in twips, 1440 to the inch.
constexpr qreal twips(int t)
{
    return t * 25.4 / 1440.0;
}

// The margins of the report: left, top and bottom.
constexpr qreal MarginLeft = 18;
constexpr qreal MarginTop = 14;
constexpr qreal MarginBottom = 15;
constexpr qreal RowHeight = 5;
constexpr qreal TitleHeight = 12;

qreal tableHeight()
{
    return 297 - MarginTop - MarginBottom - TitleHeight;
}

}

QString controlCaption(AgentRegister which, const ArpPeriod& period)
{
    return (which == AgentRegister::Retenciones
                   ? QStringLiteral("Registro de liquidaciones de Retenciones del período ")
                   : QStringLiteral("Registro de Percepciones del período "))
        + period.desde.toString(DateFormat) + QStringLiteral(" hasta ") + period.hasta.toString(DateFormat);
}

Result<ControlMonth> readControlMonth(
    data::AccesoDatos& db, qint64 cmdId, const RegisterKind& kind, const ArpPeriod& period)
{
    const auto c = [&kind](const char* item) { return kind.column(QLatin1String(item)); };
    const QString sql = QStringLiteral("SELECT ") + c("Contribuyente") + u',' + kind.dateColumn + u','
        + c("BaseImp") + u',' + c("Alicuota") + u',' + kind.amountColumn + u',' + c("FechaDDJJ") + u','
        + c("Periodo_DDJJOutDate") + u',' + c("DDJJNumForm") + u',' + c("DDJJFechaPres")
        + QStringLiteral(" FROM ") + kind.table + QStringLiteral(" WHERE ") + OwnedBy
        + QStringLiteral(" AND ") + kind.dateColumn + QStringLiteral(" >= ? AND ") + kind.dateColumn
        + QStringLiteral(" <= ? ORDER BY ") + kind.dateColumn + u',' + kind.keyColumn;
    data::Recordset rs;
    if (db.openRecordset(
            sql, { cmdId, period.desde.toString(Qt::ISODate), period.hasta.toString(Qt::ISODate) }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    ControlMonth month;
    for (; !rs.eof(); rs.moveNext()) {
        ControlRow row { rs.value(0).toString(), rs.value(1).toDate(), rs.value(2).value<Money>(),
            rs.value(3).value<Fixed<4>>(), rs.value(4).value<Money>(), rs.value(5).toDate(),
            rs.value(6).toString(), rs.value(7).toString(), rs.value(8).toDate() };
        month.sumBase += row.base;
        month.sumImporte += row.importe;
        month.rows.append(row);
    }
    return month;
}

Result<std::optional<AgentRegister>> registerOfDeclaration(
    data::AccesoDatos& db, qint64 cmdId, const QString& numero)
{
    data::Recordset rs;
    if (db.openRecordset(QStringLiteral("SELECT Arp_Operacion FROM Form_ARP WHERE Arp_DDJJNumForm = ? AND ")
                + OwnedBy + QStringLiteral(" LIMIT 1"),
            { numero, cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    if (!rs.eof())
        return std::optional(rs.value(0).toString() == RegisterKind::percepciones().arpOperacion
                ? AgentRegister::Percepciones
                : AgentRegister::Retenciones);
    for (const RegisterKind* kind : { &RegisterKind::retenciones(), &RegisterKind::percepciones() }) {
        data::Recordset reg;
        if (db.openRecordset(QStringLiteral("SELECT COUNT(*) FROM ") + kind->table + QStringLiteral(" WHERE ")
                    + kind->column(QStringLiteral("DDJJNumForm")) + QStringLiteral(" = ? AND ") + OwnedBy,
                { numero, cmdId }, reg)
                != data::AccesoDatos::Opened
            || reg.eof())
            return Error { msg::errorAccesoBaseDatos() };
        if (reg.value(0).toLongLong() > 0)
            return std::optional(kind->which);
    }
    return std::optional<AgentRegister>();
}

ControlModel::ControlModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ControlModel::setMonth(ControlMonth month)
{
    beginResetModel();
    m_month = std::move(month);
    endResetModel();
}

int ControlModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_month.rows.size());
}

int ControlModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ControlModel::cell(const ControlRow& row, int column)
{
    switch (column) {
    case Contribuyente:
        return row.contribuyente;
    case Fecha:
        return row.fecha.toString(DateFormat);
    case Base:
        return row.base.toDisplay();
    case Alicuota:
        return row.alicuota.toDisplay();
    case Importe:
        return row.importe.toDisplay();
    case DDJJ:
        return row.fechaDDJJ.toString(DateFormat);
    case OtraDDJJ:
        return row.outPeriod;
    case NumDDJJ:
        return row.numForm;
    case FechaPres:
        return row.fechaPres.toString(DateFormat);
    default:
        return {};
    }
}

QVariant ControlModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_month.rows.size())
        return {};
    if (role == Qt::DisplayRole)
        return cell(m_month.rows.at(index.row()), index.column());
    if (role == Qt::TextAlignmentRole) {
        const int c = index.column();
        if (c == Base || c == Alicuota || c == Importe)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (c != Contribuyente)
            return int(Qt::AlignCenter);
    }
    return {};
}

QVariant ControlModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headings { QStringLiteral("Contribuyente"), QStringLiteral("Fecha"),
        QStringLiteral("Base Imponible"), QStringLiteral("Alicuota"), QStringLiteral("Importe"),
        QStringLiteral("DDJJ"), QStringLiteral("Otra DDJJ"), QStringLiteral("N° DDJJ"),
        QStringLiteral("Presentada") };
    return headings.value(section);
}

QList<print::PageTable::Column> ConstanciasReport::columns()
{
    using print::ColumnAlign;
    return { { QStringLiteral("Contribuyente"), twips(2700), ColumnAlign::Left },
        { QStringLiteral("Fecha"), twips(1200), ColumnAlign::Centre },
        { QStringLiteral("Base Imponible"), twips(1500), ColumnAlign::Right },
        { QStringLiteral("Alicuota"), twips(1000), ColumnAlign::Right },
        { QStringLiteral("Importe"), twips(1200), ColumnAlign::Right },
        { QStringLiteral("DDJJ"), twips(1200), ColumnAlign::Centre },
        { QStringLiteral("Otra DDJJ"), twips(1200), ColumnAlign::Centre } };
}

ConstanciasReport::ConstanciasReport(const ControlMonth& month)
    : m_table(columns(), RowHeight)
{
    for (const ControlRow& row : month.rows) {
        QStringList cells;
        for (int c = ControlModel::Contribuyente; c <= ControlModel::OtraDDJJ; ++c)
            cells << ControlModel::cell(row, c);
        m_table.addRow(cells);
    }
    m_table.addRow({ QStringLiteral("Totales"), QString(), month.sumBase.toDisplay(), QString(),
        month.sumImporte.toDisplay(), QString(), QString() });
}

int ConstanciasReport::pageCount() const
{
    return m_table.pageCount(tableHeight());
}

void ConstanciasReport::paintPage(int page, print::PageCanvas& canvas)
{
    canvas.setFont(QStringLiteral("Arial"), 12, true);
    canvas.text(MarginLeft, MarginTop, documentName());
    canvas.setFont(QStringLiteral("Arial"), 8, false);
    m_table.paintPart(
        canvas, page, QRectF(MarginLeft, MarginTop + TitleHeight, 210 - 2 * MarginLeft, tableHeight()));
}

}
