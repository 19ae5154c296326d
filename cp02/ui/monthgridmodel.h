#pragma once

#include "cp02/cp02form.h"

#include <QAbstractTableModel>

namespace ventrix::cp02 {

// The advances and minimums grid: the twelve months and the "Totales" row, nine named columns.
// Payment dates and amounts are typed in place; every change recomputes the grid, its totals and
// the declaration's balance.
class MonthGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Mes,
        FechaPago,
        BaseImponible,
        Anticipo,
        Minimo,
        TotalComp,
        Retenciones,
        Saldo,
        Depositado,
        ColumnCount
    };
    static constexpr int TotalsRow = 12;

    MonthGridModel(Cp02Form& form, QObject* parent = nullptr);

    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The grid was recomputed: the balance fields follow.
    void recomputed();

private:
    Cp02Form& m_form;
};

// The amount of a column of the month (or totals) row; nullopt for the non-amount columns.
std::optional<Money>* amountOf(MonthAmounts& amounts, int column);

}
