#pragma once

#include "agents/creditrecord.h"

#include <QAbstractTableModel>

namespace ventrix::agents {

// The declared operations that can be credited, with what was credited on each so far.
class DeclaredOperationsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ImpCredito,
        Contribuyente,
        Factura,
        Fecha,
        BaseImp,
        Alicuota,
        Importe,
        Domicilio,
        Numero,
        Telefono,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setOperations(QList<DeclaredOperation> operations);
    const QList<DeclaredOperation>& operations() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<DeclaredOperation> m_rows;
};

// The credit lines: pending ones first, then the stored ones; the first column marks what prints.
class CreditLinesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Imprimir,
        NumFactura,
        Importe,
        Fecha,
        Contribuyente,
        Domicilio,
        Numero,
        Telefono,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setLines(QList<CreditLine> lines);
    const QList<CreditLine>& lines() const { return m_rows; }
    QList<CreditLine>& lines() { return m_rows; }
    void prepend(const CreditLine& line);
    void removeLine(int row);
    void setMarked(int row, bool marked);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<CreditLine> m_rows;
};

}
