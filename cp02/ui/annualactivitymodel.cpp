#include "cp02/ui/annualactivitymodel.h"

#include "cp02/paymentdate.h"

namespace ventrix::cp02 {
namespace {

QString shown(const std::optional<Money>& m)
{
    return m ? m->toDisplay() : QString();
}

}

AnnualActivityModel::AnnualActivityModel(Cp02Form& form, QObject* parent)
    : QAbstractTableModel(parent)
    , m_form(form)
{
}

void AnnualActivityModel::reload()
{
    beginResetModel();
    endResetModel();
}

int AnnualActivityModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_form.record().activities.size());
}

int AnnualActivityModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AnnualActivityModel::display(const AnnualActivity& row, int column) const
{
    switch (column) {
    case Codigo:
        return row.codigo;
    case Actividad:
        return row.actividad;
    case BaseImponible:
        return shown(row.base);
    case Alicuota:
        return shown(row.alicuota);
    case Impuesto:
        return shown(row.impuesto);
    case NumEmp:
        return row.numEmp ? QString::number(*row.numEmp) : QString();
    default:
        return {};
    }
}

QVariant AnnualActivityModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AnnualActivity& row = m_form.record().activities.at(index.row());
    if (index.column() == Exento)
        return role == Qt::CheckStateRole ? QVariant(row.exento ? Qt::Checked : Qt::Unchecked) : QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return display(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= BaseImponible)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant AnnualActivityModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions { QStringLiteral("Código"), QStringLiteral("Actividad"),
        QStringLiteral("Exento"), QStringLiteral("Base Imponible"), QStringLiteral("Alícuota"),
        QStringLiteral("Impuesto"), QStringLiteral("Num. Emp.") };
    return captions.value(section);
}

Qt::ItemFlags AnnualActivityModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (index.column()) {
    case Exento:
        return base | Qt::ItemIsUserCheckable;
    case BaseImponible:
    case Alicuota:
    case NumEmp:
        return base | Qt::ItemIsEditable;
    default:
        return base;
    }
}

bool AnnualActivityModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    AnnualActivity& row = m_form.record().activities[index.row()];
    const QString typed = value.toString();
    switch (index.column()) {
    case Exento:
        if (role != Qt::CheckStateRole)
            return false;
        row.exento = value.toInt() == Qt::Checked;
        break;
    case BaseImponible:
        row.base = typedAmount(typed); // anything but a number empties the cell
        break;
    case Alicuota:
        row.alicuota = typedAmount(typed);
        break;
    case NumEmp:
        row.numEmp = typedWhole(typed);
        break;
    default:
        return false;
    }
    if (index.column() != NumEmp && row.hasCode())
        m_form.CalculaImpuesto(index.row());
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit edited();
    return true;
}

}
