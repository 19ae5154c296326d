#pragma once

#include "sid3/registerimport.h"

#include <QAbstractTableModel>

namespace ventrix::sid3 {

// The first records of an import file as the preview shows them: the date only when it is one,
// the amount only when it is a number, and "Error" for a CUIT that fails its check.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Fecha, Concepto, Monto, Agente, Cuit, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Shows the file's first records, at most the preview's limit.
    void setRecords(const QList<ImportedRecord>& records);
    void clear() { setRecords({}); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ImportedRecord> m_rows;
};

}
