#include "cp02/ui/monthgridmodel.h"

#include "common/messages.h"
#include "common/regional.h"
#include "cp02/paymentdate.h"

namespace ventrix::cp02 {

std::optional<Money>* amountOf(MonthAmounts& a, int column)
{
    switch (column) {
    case MonthGridModel::BaseImponible:
        return &a.base;
    case MonthGridModel::Anticipo:
        return &a.anticipo;
    case MonthGridModel::Minimo:
        return &a.minimo;
    case MonthGridModel::TotalComp:
        return &a.computado;
    case MonthGridModel::Retenciones:
        return &a.retenciones;
    case MonthGridModel::Saldo:
        return &a.saldo;
    case MonthGridModel::Depositado:
        return &a.depositado;
    default:
        return nullptr;
    }
}

MonthGridModel::MonthGridModel(Cp02Form& form, QObject* parent)
    : QAbstractTableModel(parent)
    , m_form(form)
{
}

void MonthGridModel::reload()
{
    beginResetModel();
    endResetModel();
}

int MonthGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : TotalsRow + 1;
}

int MonthGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MonthGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() > TotalsRow)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() >= BaseImponible)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const bool totals = index.row() == TotalsRow;
    MonthAmounts amounts = totals ? m_form.monthTotals() : m_form.record().months.at(index.row()).amounts;
    if (index.column() == Mes)
        return totals ? QStringLiteral("Totales") : m_form.record().months.at(index.row()).mes;
    if (index.column() == FechaPago)
        return totals ? QString() : regional::formatDate(m_form.record().months.at(index.row()).fechaPago);
    const std::optional<Money>* amount = amountOf(amounts, index.column());
    if (amount && *amount)
        return (*amount)->toDisplay();
    return totals && amount ? Money().toDisplay() : QString();
}

QVariant MonthGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions { QStringLiteral("Mes"), QStringLiteral("Fecha Pago"),
        QStringLiteral("Base Imponible"), QStringLiteral("Anticipo Deter."),
        QStringLiteral("Impuesto Mínimo"), QStringLiteral("Total Comput."),
        QStringLiteral("Menos Retenc. y otros pagos"), QStringLiteral("Saldo a Favor AGT / Contrib."),
        QStringLiteral("Imp. Depos. sin Recargos") };
    return captions.value(section);
}

Qt::ItemFlags MonthGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool computed = index.column() == Mes || index.column() == TotalComp || index.column() == Saldo;
    return index.row() == TotalsRow || computed ? base : base | Qt::ItemIsEditable;
}

bool MonthGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    MonthRow& month = m_form.record().months.at(index.row());
    const QString typed = value.toString();
    if (index.column() == FechaPago) {
        const Result<QDate> date = paymentDate(typed);
        if (!date)
            inform(date.error());
        month.fechaPago = date ? *date : QDate();
    } else {
        std::optional<Money>* amount = amountOf(month.amounts, index.column());
        const std::optional<Money> parsed = typedAmount(typed);
        if (!parsed && !typed.trimmed().isEmpty())
            return false; // not a number: refused, the cell keeps its amount
        *amount = parsed;
    }
    m_form.CalculaTotalGrid2();
    emit dataChanged(this->index(0, 0), this->index(TotalsRow, ColumnCount - 1));
    emit recomputed();
    return true;
}

}
