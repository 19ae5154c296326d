#pragma once

#include "rates/indicestable.h"

#include <QAbstractTableModel>

namespace ventrix::rates {

// The indices table for a grid, newest day first, read a page at a time as the view scrolls.
class IndicesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Fecha, Indice, Tasa, ColumnCount };
    static constexpr int PageSize = 256;

    explicit IndicesModel(QSqlDatabase db, QObject* parent = nullptr);

    // Reads the table again from its newest day; false when it cannot be read.
    bool reload();
    IndexDay dayAt(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    IndicesTable m_table;
    QList<IndexDay> m_rows;
    int m_total = 0;
    // Views and checkers may ask for more rows from inside the change being announced.
    bool m_changing = false;
};

}
