#pragma once

#include "agents/arpcomputation.h"
#include "agents/registerkind.h"
#include "common/print/pagetable.h"
#include "common/print/printableform.h"
#include "data/accesodatos.h"

#include <QAbstractTableModel>
#include <QList>

#include <optional>

namespace ventrix::agents {

// One register row of the month with the declaration marks it carries.
struct ControlRow
{
    QString contribuyente;
    QDate fecha;
    Money base;
    Fixed<4> alicuota;
    Money importe;
    QDate fechaDDJJ; // declared within its own month
    QString outPeriod; // taken in late by the declaration of that month
    QString numForm;
    QDate fechaPres;
};

// The month of one register as the control screen shows it, with its totals.
struct ControlMonth
{
    QList<ControlRow> rows;
    Money sumImporte;
    Money sumBase;
};

// "Registro de liquidaciones de Retenciones del período 01/03/2005 hasta 31/03/2005".
QString controlCaption(AgentRegister which, const ArpPeriod& period);

// The taxpayer's register rows dated within the period, by date, with their marks and totals.
Result<ControlMonth> readControlMonth(
    data::AccesoDatos& db, qint64 cmdId, const RegisterKind& kind, const ArpPeriod& period);

// Which register the taxpayer's declaration of that number belongs to; nullopt when no deposit
// nor register row of the taxpayer carries it.
Result<std::optional<AgentRegister>> registerOfDeclaration(
    data::AccesoDatos& db, qint64 cmdId, const QString& numero);

// The control grid: the row's data and its marks, columns by name.
class ControlModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Contribuyente,
        Fecha,
        Base,
        Alicuota,
        Importe,
        DDJJ,
        OtraDDJJ,
        NumDDJJ,
        FechaPres,
        ColumnCount
    };

    explicit ControlModel(QObject* parent = nullptr);

    void setMonth(ControlMonth month);
    const ControlMonth& month() const { return m_month; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of a cell as the grid and the report show it.
    static QString cell(const ControlRow& row, int column);

private:
    ControlMonth m_month;
};

// The "Constancias" report: the month's rows with their declaration marks, a last row of totals.
class ConstanciasReport : public print::PrintableForm
{
public:
    explicit ConstanciasReport(const ControlMonth& month);

    QString documentName() const override { return QStringLiteral("Constancias"); }
    int pageCount() const override;
    void paintPage(int page, print::PageCanvas& canvas) override;
    bool pageHasBarcodes(int) const override { return false; }

    // Column widths in millimetres and alignments, as the report lays them out.
    static QList<print::PageTable::Column> columns();

private:
    print::PageTable m_table;
};

}
