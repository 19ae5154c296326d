#pragma once

#include "cp01/activity.h"

#include <QAbstractTableModel>

#include <functional>

namespace ventrix::cp01 {

// One premises' activities as its grid shows them: the six rows of the table, eight named
// columns; the dates are typed in place and the exempt mark is ticked.
class ActivityGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Codigo,
        Denominacion,
        Alicuota,
        NumEmp,
        Minimo,
        FechaInicio,
        FechaCese,
        Exenta,
        ColumnCount
    };

    // Called after the exempt mark of a row was changed by the user.
    using ExemptHook = std::function<void(int row, bool exento)>;

    ActivityGridModel(ActivityTable& table, ExemptHook exempt, QObject* parent = nullptr);

    // The table changed behind the grid's back.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QVariant display(const ActivityRow& row, int column) const;
    bool setDate(ActivityRow& row, int column, const QString& text);

    ActivityTable& m_table;
    ExemptHook m_exempt;
};

}
