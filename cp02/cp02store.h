#pragma once

#include "common/result.h"
#include "cp02/cp02record.h"
#include "data/accesodatos.h"

namespace ventrix::cp02 {

// One entry of the list of a taxpayer's stored declarations.
struct DeclarationEntry
{
    qint64 id = 0;
    int periodo = 0;
    QString tramite;

    QString text() const;
};

// Reads and writes the annual declarations of a taxpayer with their activity and monthly rows.
// Storing a declaration writes its fields and both grids in one transaction.
class Cp02Store
{
public:
    explicit Cp02Store(data::AccesoDatos& db);

    // The taxpayer data of the CP01 procedure the declarations belong to.
    Result<TaxpayerData> loadTaxpayer(qint64 cmdId, qint64 cp01Id);
    // The taxpayer data of the CP01 procedure a stored declaration belongs to.
    Result<TaxpayerData> taxpayerOf(qint64 cp02Id);
    // Every declaration of the taxpayer (of any of its CP01 procedures), latest period first.
    Result<QList<DeclarationEntry>> declarations(qint64 cmdId);
    Result<Cp02Record> load(qint64 cp02Id);
    Result<QList<AnnualActivity>> Cargar_TablaImpAnual(qint64 cp02Id);
    Result<MonthGrid> Cargar_TablaAnticipo(qint64 cp02Id);
    // Whether the taxpayer has an "Original" declaration of the period.
    Result<bool> originalExists(qint64 cmdId, int periodo);
    // The activities the taxpayer carried on in the year, from all its CP01 procedures: started by
    // the year's end and not ceased before it began, or ceased and started again; one row per
    // premises, name, code, rate, employees, minimum and exempt mark, ordered by name. The
    // activity text is the premises tag ("Com1:", "Com12:") followed by the name.
    Result<QList<AnnualActivity>> Cargar_New_Actividades(qint64 cmdId, int periodo);

    // Stores the declaration under the CP01 procedure; on success the record holds its key. On
    // failure nothing changed, in the database or in the record.
    Status save(Cp02Record& record, qint64 cp01Id);
    Status remove(qint64 cp02Id);

    data::AccesoDatos& access() { return m_db; }

private:
    Status Guardar_TablaImpAnual(qint64 cp02Id, const QList<AnnualActivity>& rows);
    Status Guardar_TablaAnticipo(qint64 cp02Id, const MonthGrid& months);
    Result<QString> premisesTag(const QVariant& tag);

    data::AccesoDatos& m_db;
};

}
