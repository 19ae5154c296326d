#include "sid3/ui/importpreviewmodel.h"

#include "common/regional.h"

namespace ventrix::sid3 {

void ImportPreviewModel::setRecords(const QList<ImportedRecord>& records)
{
    beginResetModel();
    m_rows = records.mid(0, PreviewRows);
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Monto)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const ImportedRecord& r = m_rows.at(index.row());
    switch (index.column()) {
    case Fecha:
        return r.fecha.isValid() ? regional::formatDate(r.fecha) : QString();
    case Concepto:
        return r.concepto;
    case Monto:
        return r.monto ? r.monto->toDisplay() : QString();
    case Agente:
        return r.responsable;
    case Cuit:
        return r.cuitChecked ? r.cuit : QStringLiteral("Error");
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList captions { QStringLiteral("Fecha"), QStringLiteral("Concepto"),
        QStringLiteral("Monto"), QStringLiteral("Agente"), QStringLiteral("CUIT") };
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < captions.size() ? captions.at(section) : QVariant();
}

}
