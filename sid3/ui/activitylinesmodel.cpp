#include "sid3/ui/activitylinesmodel.h"

namespace ventrix::sid3 {

ActivityLinesModel::ActivityLinesModel(
    QList<ActivityLine>& lines, std::function<void()> edited, QObject* parent)
    : QAbstractTableModel(parent)
    , m_lines(lines)
    , m_edited(std::move(edited))
{
}

void ActivityLinesModel::reload()
{
    beginResetModel();
    endResetModel();
}

void ActivityLinesModel::refreshTaxes()
{
    if (!m_lines.isEmpty())
        emit dataChanged(index(0, Minimo), index(rowCount() - 1, Impuesto), { Qt::DisplayRole });
}

int ActivityLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int ActivityLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ActivityLinesModel::display(const ActivityLine& line, int column) const
{
    switch (column) {
    case Actividad:
        return line.codigo;
    case Denominacion:
        return line.denominacion;
    case NumEmp:
        return line.numEmp ? QString::number(*line.numEmp) : QString();
    case Minimo:
        return line.baseMinimo ? line.baseMinimo->toDisplay() : QString();
    case Alicuota:
        return line.alicuota ? line.alicuota->toDisplay() : QString();
    case BaseImp:
        return line.baseImp.value_or(Money()).toDisplay();
    case Impuesto:
        return line.impuesto.rescaled<2>().toDisplay();
    default:
        return {};
    }
}

QVariant ActivityLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size() || index.column() >= ColumnCount)
        return {};
    const ActivityLine& line = m_lines.at(index.row());
    if (index.column() == Exento && role == Qt::CheckStateRole)
        return QVariant(line.exento ? Qt::Checked : Qt::Unchecked);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return display(line, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= NumEmp)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ActivityLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions { QStringLiteral("Actividad"), QStringLiteral("Denominación"),
        QStringLiteral("Exento"), QStringLiteral("Num. Emp."), QStringLiteral("Mínimo"),
        QStringLiteral("Alicuota"), QStringLiteral("Base Imp."), QStringLiteral("Impuesto") };
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < captions.size() ? captions.at(section) : QVariant();
}

Qt::ItemFlags ActivityLinesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid() || !m_lines.at(index.row()).hasCode())
        return f;
    if (index.column() == BaseImp)
        f |= Qt::ItemIsEditable;
    if (index.column() == Exento)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ActivityLinesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (m_recomputing || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    ActivityLine& line = m_lines[index.row()];
    if (index.column() == Exento && role == Qt::CheckStateRole) {
        line.exento = value.toInt() == Qt::Checked;
    } else if (index.column() == BaseImp && role == Qt::EditRole) {
        // What is not an amount counts as zero, as the authority's program did.
        const QString text = value.toString().trimmed();
        line.baseImp = Money::fromDisplay(text).value_or(Money());
    } else {
        return false;
    }
    changed(index);
    return true;
}

void ActivityLinesModel::changed(const QModelIndex& index)
{
    emit dataChanged(index, index);
    m_recomputing = true;
    if (m_edited)
        m_edited();
    m_recomputing = false;
    refreshTaxes();
}

}
