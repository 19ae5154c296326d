#include "cp01/ui/activitygridmodel.h"

#include "common/messages.h"
#include "cp01/dateentry.h"
#include "cp01/nomenclature.h"

namespace ventrix::cp01 {
namespace {

QString dateText(QDate date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

}

ActivityGridModel::ActivityGridModel(ActivityTable& table, ExemptHook exempt, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_exempt(std::move(exempt))
{
}

void ActivityGridModel::reload()
{
    beginResetModel();
    endResetModel();
}

int ActivityGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ActivityTable::Rows;
}

int ActivityGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ActivityGridModel::display(const ActivityRow& row, int column) const
{
    switch (column) {
    case Codigo:
        return row.codigo;
    case Denominacion:
        return row.denominacion;
    case Alicuota:
        return row.alicuota ? plainRate(*row.alicuota) : QString();
    case NumEmp:
        return row.numEmp ? QString::number(*row.numEmp) : QString();
    case Minimo:
        return row.baseMinimo ? row.baseMinimo->toDisplay() : QString();
    case FechaInicio:
        return dateText(row.fecha);
    case FechaCese:
        return dateText(row.fhCese);
    default:
        return {};
    }
}

QVariant ActivityGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= ActivityTable::Rows || index.column() >= ColumnCount)
        return {};
    const ActivityRow& row = m_table.row(index.row());
    if (index.column() == Exenta && role == Qt::CheckStateRole)
        return row.isEmpty() ? QVariant() : QVariant(row.exento ? Qt::Checked : Qt::Unchecked);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return display(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= Alicuota && index.column() <= Minimo)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ActivityGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions { QStringLiteral("Actividad"), QStringLiteral("Denominación"),
        QStringLiteral("Alic."), QStringLiteral("Num Emp/Hab"), QStringLiteral("Minimo"),
        QStringLiteral("Fecha Inicio"), QStringLiteral("Fecha Cese"), QStringLiteral("Exenta") };
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < captions.size() ? captions.at(section) : QVariant();
}

Qt::ItemFlags ActivityGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid() || m_table.row(index.row()).isEmpty())
        return f;
    if (index.column() == FechaInicio || index.column() == FechaCese)
        f |= Qt::ItemIsEditable;
    if (index.column() == Exenta)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ActivityGridModel::setDate(ActivityRow& row, int column, const QString& text)
{
    QDate date;
    if (!text.trimmed().isEmpty()) {
        const Result<QDate> typed = dateEntry(text.trimmed());
        if (!typed) {
            inform(typed.error());
            return false;
        }
        date = *typed;
    }
    (column == FechaInicio ? row.fecha : row.fhCese) = date;
    return true;
}

bool ActivityGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    ActivityRow& row = m_table.row(index.row());
    if (index.column() == Exenta && role == Qt::CheckStateRole) {
        const bool exento = value.toInt() == Qt::Checked;
        row.exento = exento;
        emit dataChanged(index, index, { role });
        if (m_exempt)
            m_exempt(index.row(), exento);
        return true;
    }
    if (role != Qt::EditRole || index.column() == Exenta || !setDate(row, index.column(), value.toString()))
        return false;
    emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

}
