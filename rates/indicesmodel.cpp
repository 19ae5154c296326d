#include "rates/indicesmodel.h"

#include "common/regional.h"

#include <QScopedValueRollback>

namespace ventrix::rates {

IndicesModel::IndicesModel(QSqlDatabase db, QObject* parent)
    : QAbstractTableModel(parent)
    , m_table(std::move(db))
{
}

bool IndicesModel::reload()
{
    const QScopedValueRollback busy(m_changing, true);
    beginResetModel();
    m_rows.clear();
    m_total = m_table.count();
    QList<IndexDay> first;
    const bool ok = m_total >= 0 && m_table.newestFirst({}, PageSize, &first);
    m_rows = first;
    if (!ok)
        m_total = 0;
    endResetModel();
    return ok;
}

int IndicesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int IndicesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant IndicesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const IndexDay& day = m_rows.at(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() == Fecha ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Fecha:
        return regional::formatDate(day.fecha);
    case Indice:
        return day.indice.toDisplay();
    case Tasa:
        return day.tasa.toDisplay();
    default:
        return {};
    }
}

QVariant IndicesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Fecha:
        return QStringLiteral("Fecha");
    case Indice:
        return QStringLiteral("Indice");
    case Tasa:
        return QStringLiteral("Tasa");
    default:
        return {};
    }
}

bool IndicesModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_changing && m_rows.size() < m_total;
}

void IndicesModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    QList<IndexDay> page;
    const QDate before = m_rows.isEmpty() ? QDate() : m_rows.back().fecha;
    if (!m_table.newestFirst(before, PageSize, &page) || page.isEmpty()) {
        m_total = static_cast<int>(m_rows.size());
        return;
    }
    const QScopedValueRollback busy(m_changing, true);
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    m_rows.append(page);
    endInsertRows();
}

}
