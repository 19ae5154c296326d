#pragma once

#include "agents/operationstore.h"

#include <QAbstractTableModel>

namespace ventrix::agents {

// A month of one register for a grid: date, counterpart, CUIT, base, rate, amount and whether the
// row is declared, with the month's totals kept beside it.
class PeriodModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Fecha, Contribuyente, Cuit, Base, Alicuota, Importe, Declarada, ColumnCount };

    explicit PeriodModel(QObject* parent = nullptr);

    void setPeriod(PeriodList period);
    const PeriodList& period() const { return m_period; }
    qint64 idAt(int row) const { return m_period.rows.at(row).id; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant display(const PeriodRow& row, int column) const;

    PeriodList m_period;
};

}
