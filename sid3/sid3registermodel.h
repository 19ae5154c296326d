#pragma once

#include "sid3/registerstore.h"

#include <QAbstractTableModel>

namespace ventrix::sid3 {

// The records of one payments-on-account register of a declaration for a grid; the four
// registers share it, each through its table.
class Sid3RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Fecha, Concepto, Monto, Mes, Anio, NumAgente, Agente, Cuit, ColumnCount };

    Sid3RegisterModel(data::AccesoDatos& db, Register reg, qint64 sidId, QObject* parent = nullptr);

    Sid3RegisterStore& store() { return m_store; }
    const Sid3RegisterStore& store() const { return m_store; }
    // Reads the records and their total again, in the chosen order.
    Status VerTabla(RegisterOrder order = RegisterOrder::Fecha);
    const RegisterTotal& total() const { return m_total; }
    const RegisterRecord& recordAt(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Sid3RegisterStore m_store;
    qint64 m_sidId;
    QList<RegisterRecord> m_rows;
    RegisterTotal m_total;
};

}
