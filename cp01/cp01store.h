#pragma once

#include "common/result.h"
#include "cp01/cp01record.h"
#include "data/accesodatos.h"

#include <QList>

namespace ventrix::cp01 {

// One row of the list of a taxpayer's procedures.
struct ProcedureListRow
{
    qint64 id = 0;
    QString contribuyente;
    QString tramite;
    QString nombreFantasia;
    QDate fechaPres;
};

// The newest procedure of a taxpayer: the latest presentation date, among equal dates the
// most recently created row, undated procedures last.
struct CurrentProcedure
{
    qint64 id = 0;
    QString tramite;
};

// Reads and writes the CP01 procedures of taxpayers, their activities and opened premises.
// Every save that writes several rows is one transaction: it is stored whole or not at all.
class Cp01Store
{
public:
    explicit Cp01Store(data::AccesoDatos& db);

    Result<Cp01Record> load(qint64 cp01Id);
    // Premises 1 to 3 of the procedure, rows in the order they were stored.
    Result<ActivityTable> Cargar_Tabla(int premises, qint64 cp01Id);
    Result<ActivityTable> Cargar_Tabla4(qint64 comId);

    // Stores the procedure's fields and rewrites its three activity tables; the first store of a
    // procedure derived from another copies that one's opened premises. On success the record
    // holds the key and the activities as stored; on failure nothing changed, in the database
    // or in the record.
    Status GuardarCP01(Cp01Record& record, qint64 cmdId, qint64 derivedFrom);
    Status InsertComercios(qint64 fromCp01, qint64 toCp01);
    // Rewrites the activities of one premises of a stored procedure, or of an opened premises.
    Status Guardar_Tabla(int premises, qint64 cp01Id, const ActivityTable& activities);
    Status Guardar_Tabla4(qint64 comId, const ActivityTable& activities);

    // nullopt when the taxpayer has no procedure.
    Result<std::optional<CurrentProcedure>> currentProcedure(qint64 cmdId);
    Result<bool> hasInscription(qint64 cmdId);
    Result<QList<ProcedureListRow>> CargarGrilla(qint64 cmdId);
    Status deleteProcedure(qint64 cp01Id);
    Status deleteAllProcedures(qint64 cmdId);

    // The opened premises of a procedure by trade name, with their keys.
    Result<QList<ListEntry>> openedPremisesList(qint64 cp01Id);
    Result<OpenedPremises> loadOpenedPremises(qint64 comId);
    // Stores the premises and its activities; a new one gets its permanent identity.
    Status saveOpenedPremises(OpenedPremises& premises, qint64 cp01Id);
    Status deleteOpenedPremises(qint64 comId);
    // Whether another opened premises of the taxpayer carries the number; copies of the premises
    // with the given permanent identity (Com_Com_ID, 0 for a new one) do not count.
    Result<bool> premisesNumberTaken(qint64 cmdId, const QString& number, qint64 exceptComComId);

    data::AccesoDatos& access() { return m_db; }

private:
    Status rewriteActivities(
        const QString& table, const QString& parentColumn, qint64 parent, const ActivityTable& rows);
    Result<ActivityTable> readActivities(const QString& table, const QString& parentColumn, qint64 parent);
    Result<qint64> copyPremises(qint64 comId, qint64 toCp01);
    FieldValues cutToWidths(const QString& table, const QString& prefix, FieldValues values) const;

    data::AccesoDatos& m_db;
};

}
