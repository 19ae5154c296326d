#include "sid3/sid3registermodel.h"

#include "common/regional.h"

namespace ventrix::sid3 {

Sid3RegisterModel::Sid3RegisterModel(data::AccesoDatos& db, Register reg, qint64 sidId, QObject* parent)
    : QAbstractTableModel(parent)
    , m_store(db, reg)
    , m_sidId(sidId)
{
}

Status Sid3RegisterModel::VerTabla(RegisterOrder order)
{
    auto total = m_store.VerTabla(m_sidId);
    auto rows
        = total ? m_store.records(m_sidId, order) : Result<QList<RegisterRecord>>(Error { total.error() });
    if (!rows)
        return Error { rows.error() };
    beginResetModel();
    m_total = *total;
    m_rows = *rows;
    endResetModel();
    return {};
}

int Sid3RegisterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int Sid3RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant Sid3RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const RegisterRecord& r = m_rows.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() == Monto)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    switch (static_cast<Column>(index.column())) {
    case Fecha:
        return r.fecha.isValid() ? regional::formatDate(r.fecha) : QString();
    case Concepto:
        return r.concepto;
    case Monto:
        return r.monto ? r.monto->toDisplay() : QString();
    case Mes:
        return r.mes;
    case Anio:
        return r.anio;
    case NumAgente:
        return r.numAgente;
    case Agente:
        return r.responsable;
    case Cuit:
        return r.cuit;
    case ColumnCount:
        break;
    }
    return {};
}

QVariant Sid3RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (static_cast<Column>(section)) {
    case Fecha:
        return QStringLiteral("Fecha");
    case Concepto:
        return QStringLiteral("Concepto");
    case Monto:
        return QStringLiteral("Monto");
    case Mes:
        return QStringLiteral("Per_Mes");
    case Anio:
        return QStringLiteral("Per_Año");
    case NumAgente:
        return QStringLiteral("N° Agente");
    case Agente:
        return QStringLiteral("Agente");
    case Cuit:
        return QStringLiteral("CUIT");
    case ColumnCount:
        break;
    }
    return {};
}

}
