#pragma once

#include "cp02/cp02form.h"

#include <QAbstractTableModel>

namespace ventrix::cp02 {

// The activity grid of the annual tax: one row per activity of the declaration, seven named
// columns; base, rate, exempt mark and employees are typed in place and the row's tax follows.
class AnnualActivityModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Codigo, Actividad, Exento, BaseImponible, Alicuota, Impuesto, NumEmp, ColumnCount };

    AnnualActivityModel(Cp02Form& form, QObject* parent = nullptr);

    // The declaration changed behind the grid's back.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A row's tax or employees changed.
    void edited();

private:
    QVariant display(const AnnualActivity& row, int column) const;

    Cp02Form& m_form;
};

}
