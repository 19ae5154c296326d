#include "app/ui/taxpayergridmodel.h"

namespace ventrix::app {
namespace {

constexpr int PageSize = 64;
constexpr int MaxCachedPages = 32;

}

TaxpayerGridModel::TaxpayerGridModel(QSqlDatabase db, QObject* parent)
    : QAbstractTableModel(parent), m_register(std::move(db))
{
}

bool TaxpayerGridModel::reload(const QString& searchText)
{
    auto keys = m_register.search(searchText);
    if (!keys)
        return false;
    beginResetModel();
    m_keys = std::move(*keys);
    m_pages.clear();
    endResetModel();
    return true;
}

qint64 TaxpayerGridModel::keyAt(int row) const
{
    return row >= 0 && row < m_keys.size() ? m_keys.at(row) : 0;
}

int TaxpayerGridModel::rowOfKey(qint64 key) const
{
    return static_cast<int>(m_keys.indexOf(key));
}

int TaxpayerGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

int TaxpayerGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const TaxpayerGridRow* TaxpayerGridModel::rowAt(int row) const
{
    const int page = row / PageSize;
    auto it = m_pages.constFind(page);
    if (it == m_pages.constEnd()) {
        if (m_pages.size() >= MaxCachedPages)
            m_pages.clear();
        const auto rows = m_register.gridRows(m_keys.mid(page * PageSize, PageSize));
        if (!rows)
            return nullptr;
        it = m_pages.insert(page, *rows);
    }
    // A row deleted behind the grid's back leaves the page shorter: find the key itself.
    const qint64 key = m_keys.at(row);
    const int offset = row % PageSize;
    if (offset < it->size() && it->at(offset).id == key)
        return &it->at(offset);
    for (const TaxpayerGridRow& r : *it) {
        if (r.id == key)
            return &r;
    }
    return nullptr;
}

QVariant TaxpayerGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const TaxpayerGridRow* row = rowAt(index.row());
    if (!row)
        return {};
    switch (index.column()) {
    case Identificacion: return row->contribuyente;
    case NumRef: return row->numRef;
    case Telefono: return row->te;
    case Domicilio: return row->domicilio;
    default: return {};
    }
}

QVariant TaxpayerGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Identificacion: return QStringLiteral("Identificación");
    case NumRef: return QStringLiteral("N° Ref.");
    case Telefono: return QStringLiteral("Teléfono");
    case Domicilio: return QStringLiteral("Domicilio");
    default: return {};
    }
}

}
