#pragma once

#include "app/register/taxpayers.h"

#include <QAbstractTableModel>
#include <QHash>

namespace ventrix::app {

// The main window's grid of taxpayers: holds only the keys of the current search and reads the
// rows it is asked to show from the database, a page at a time.
class TaxpayerGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Identificacion, NumRef, Telefono, Domicilio, ColumnCount };

    explicit TaxpayerGridModel(QSqlDatabase db, QObject* parent = nullptr);

    // Runs the search; on failure the grid keeps what it showed and false is returned.
    bool reload(const QString& searchText);

    qint64 keyAt(int row) const;
    int rowOfKey(qint64 key) const;   // -1 when the key is not in the grid

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const TaxpayerGridRow* rowAt(int row) const;

    TaxpayerRegister m_register;
    QList<qint64> m_keys;
    mutable QHash<int, QList<TaxpayerGridRow>> m_pages;   // page number -> its rows
};

}
