#include "agents/periodmodel.h"

#include "common/regional.h"

namespace ventrix::agents {

PeriodModel::PeriodModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void PeriodModel::setPeriod(PeriodList period)
{
    beginResetModel();
    m_period = std::move(period);
    endResetModel();
}

int PeriodModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_period.rows.size());
}

int PeriodModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PeriodModel::display(const PeriodRow& row, int column) const
{
    switch (column) {
    case Fecha:
        return regional::formatDate(row.fecha);
    case Contribuyente:
        return row.contribuyente;
    case Cuit:
        return row.cuit;
    case Base:
        return row.base.toDisplay();
    case Alicuota:
        return row.alicuota.toDisplay();
    case Importe:
        return row.importe.toDisplay();
    case Declarada:
        return row.declared ? QStringLiteral("Sí") : QStringLiteral("No");
    default:
        return {};
    }
}

QVariant PeriodModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PeriodRow& row = m_period.rows.at(index.row());
    if (role == Qt::DisplayRole)
        return display(row, index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= Base && index.column() <= Importe)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant PeriodModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles { QStringLiteral("Fecha"), QStringLiteral("Contribuyente"),
        QStringLiteral("CUIT"), QStringLiteral("Base Imponible"), QStringLiteral("Alícuota (%)"),
        QStringLiteral("Importe"), QStringLiteral("Declarada") };
    return section >= 0 && section < titles.size() ? QVariant(titles.at(section)) : QVariant();
}

}
