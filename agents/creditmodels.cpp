#include "agents/creditmodels.h"

#include "common/regional.h"

namespace ventrix::agents {
namespace {

QString shownDate(QDate d)
{
    return d.isValid() ? regional::formatDate(d) : QString();
}

bool isAmount(int column, std::initializer_list<int> amounts)
{
    return std::find(amounts.begin(), amounts.end(), column) != amounts.end();
}

QVariant header(const QStringList& names, int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= names.size())
        return {};
    return names.at(section);
}

}

void DeclaredOperationsModel::setOperations(QList<DeclaredOperation> operations)
{
    beginResetModel();
    m_rows = std::move(operations);
    endResetModel();
}

int DeclaredOperationsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DeclaredOperationsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DeclaredOperationsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::TextAlignmentRole)
        return isAmount(index.column(), { ImpCredito, BaseImp, Alicuota, Importe })
            ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
            : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    const DeclaredOperation& r = m_rows.at(index.row());
    switch (index.column()) {
    case ImpCredito:
        return r.acreditado.toDisplay();
    case Contribuyente:
        return r.contribuyente;
    case Factura:
        return r.factura;
    case Fecha:
        return shownDate(r.fecha);
    case BaseImp:
        return r.base.toDisplay();
    case Alicuota:
        return r.alicuota.toDisplay();
    case Importe:
        return r.importe.toDisplay();
    case Domicilio:
        return r.domicilio;
    case Numero:
        return r.numero;
    case Telefono:
        return r.telefono;
    }
    return {};
}

QVariant DeclaredOperationsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList names { QStringLiteral("Imp. Crédito"), QStringLiteral("Contribuyente"),
        QStringLiteral("Factura"), QStringLiteral("Fecha"), QStringLiteral("Base_Imp"),
        QStringLiteral("Alicuota"), QStringLiteral("Importe"), QStringLiteral("Domicilio"),
        QStringLiteral("Número"), QStringLiteral("Teléfono") };
    return header(names, section, orientation, role);
}

void CreditLinesModel::setLines(QList<CreditLine> lines)
{
    beginResetModel();
    m_rows = std::move(lines);
    endResetModel();
}

void CreditLinesModel::prepend(const CreditLine& line)
{
    beginInsertRows({}, 0, 0);
    m_rows.prepend(line);
    endInsertRows();
}

void CreditLinesModel::removeLine(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void CreditLinesModel::setMarked(int row, bool marked)
{
    setData(index(row, Imprimir), marked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

int CreditLinesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CreditLinesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CreditLinesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CreditLine& r = m_rows.at(index.row());
    if (role == Qt::CheckStateRole && index.column() == Imprimir)
        return r.imprimir ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() == Importe)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NumFactura:
        return r.numFactura;
    case Importe:
        return r.importeNC.toDisplay();
    case Fecha:
        return shownDate(r.fecha);
    case Contribuyente:
        return r.contribuyente;
    case Domicilio:
        return r.domicilio;
    case Numero:
        return r.domNumero;
    case Telefono:
        return r.telefono;
    }
    return {};
}

bool CreditLinesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || index.column() != Imprimir || role != Qt::CheckStateRole)
        return false;
    m_rows[index.row()].imprimir = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, { Qt::CheckStateRole });
    return true;
}

Qt::ItemFlags CreditLinesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Imprimir)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CreditLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList names { QStringLiteral("Imprimir"), QStringLiteral("NumFactura"),
        QStringLiteral("Importe"), QStringLiteral("Fecha"), QStringLiteral("Contribuyente"),
        QStringLiteral("Domicilio"), QStringLiteral("Número"), QStringLiteral("Teléfono") };
    return header(names, section, orientation, role);
}

}
