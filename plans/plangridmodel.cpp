#include "plans/plangridmodel.h"

#include "common/regional.h"

namespace ventrix::plans {
namespace {

QString amount(const std::optional<Money>& m)
{
    return m ? m->toDisplay() : QString();
}

}

void PlanGridModel::setPlans(QList<PaymentPlan> plans)
{
    beginResetModel();
    m_plans = std::move(plans);
    endResetModel();
}

const PaymentPlan* PlanGridModel::plan(int row) const
{
    return row >= 0 && row < m_plans.size() ? &m_plans.at(row) : nullptr;
}

int PlanGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_plans.size());
}

int PlanGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PlanGridModel::text(const PaymentPlan& p, int column) const
{
    switch (column) {
    case TipoForm:
        return p.tipoForm;
    case FechaAprob:
        return p.fechaAprob.isValid() ? regional::formatDate(p.fechaAprob) : QString();
    case Anticipo:
        return amount(p.importeAnticipo);
    case Cuota:
        return amount(p.importeCuota);
    case NumCuotas:
        return p.cantCuotas ? QString::number(*p.cantCuotas) : QString();
    case Tasa:
        return amount(p.tasa);
    case NumPFP:
        return p.numPFP;
    default:
        return {};
    }
}

QVariant PlanGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PaymentPlan& p = m_plans.at(index.row());
    if (role == Qt::DisplayRole)
        return text(p, index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number
            = index.column() != TipoForm && index.column() != NumPFP && index.column() != FechaAprob;
        return QVariant::fromValue(Qt::Alignment(number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

QVariant PlanGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headers { QStringLiteral("Tipo Formulario"), QStringLiteral("Fecha Aprob."),
        QStringLiteral("Importe Anticipo"), QStringLiteral("Importe Cuotas"), QStringLiteral("N° Cuotas"),
        QStringLiteral("Tasa"), QStringLiteral("N° del P.F.P.") };
    return section >= 0 && section < headers.size() ? QVariant(headers.at(section)) : QVariant();
}

}
