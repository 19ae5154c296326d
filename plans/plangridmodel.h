#pragma once

#include "plans/planrecord.h"

#include <QAbstractTableModel>
#include <QList>

namespace ventrix::plans {

// The grid "Estado de Planes de Facilidades de Pago": one row per plan, newest first as given.
class PlanGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { TipoForm, FechaAprob, Anticipo, Cuota, NumCuotas, Tasa, NumPFP, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setPlans(QList<PaymentPlan> plans);
    const QList<PaymentPlan>& plans() const { return m_plans; }
    // The plan of the row, nullptr outside the list.
    const PaymentPlan* plan(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(const PaymentPlan& plan, int column) const;

    QList<PaymentPlan> m_plans;
};

}
