#pragma once

#include "sid3/activitytax.h"

#include <QAbstractTableModel>

#include <functional>

namespace ventrix::sid3 {

// The activity lines of a declaration as the grid shows them: eight named columns, the taxable
// base typed in place and the exemption ticked; every edit is handed on for the recomputation.
class ActivityLinesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Actividad, Denominacion, Exento, NumEmp, Minimo, Alicuota, BaseImp, Impuesto, ColumnCount };

    ActivityLinesModel(QList<ActivityLine>& lines, std::function<void()> edited, QObject* parent = nullptr);

    // The lines were replaced behind the grid's back.
    void reload();
    // The taxes were recomputed: the computed columns are shown again.
    void refreshTaxes();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QVariant display(const ActivityLine& line, int column) const;
    void changed(const QModelIndex& index);

    QList<ActivityLine>& m_lines;
    std::function<void()> m_edited;
    bool m_recomputing = false;
};

}
