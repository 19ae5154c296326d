#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "sid3/activitytax.h"
#include "sid3/declaration.h"
#include "sid3/period.h"

#include <QList>

namespace ventrix::sid3 {

// One entry of the list of a taxpayer's declarations, newest first.
struct PeriodListRow
{
    qint64 id = 0;
    int month = 0;
    int year = 0;
    QString tramiteDescrip;
    QDate fechaPago;

    QString text() const; // "3/2003 Anticipo 15/04/2003"
};

// The CP01 data the declaration shows and copies.
struct Cp01Identity
{
    QString contribuyente;
    QString cuit;
    QString ingBrut;
};

// Reads and writes monthly declarations: the head and its activity lines. A store writes the head
// and all its lines in one transaction: whole or not at all.
class Sid3Store
{
public:
    explicit Sid3Store(data::AccesoDatos& db)
        : m_db(db)
    {
    }

    Result<QList<PeriodListRow>> Cargar_List_FormSid3(qint64 cmdId);
    Result<Declaration> load(qint64 sidId);
    Result<QList<ActivityLine>> loadLines(qint64 sidId);
    Result<Cp01Identity> cp01Identity(qint64 cp01Id);
    // The inscription's "CP01" columns, which the declaration shows read-only.
    Result<FieldValues> cp01Fields(qint64 cp01Id);

    // Copies the CP01's I.S.I.B. number and CUIT into the head, stores it with its lines and
    // gives the head its key. On failure the database and the declaration are unchanged.
    Status Guardar_Sid3(Declaration& d, const QList<ActivityLine>& lines);
    // Writes the interest of a stored declaration alone.
    Status updateInterest(qint64 sidId, std::optional<Money> interes);
    // Deletes the declaration with its lines and register records.
    Status BorrarTabla(qint64 sidId);

    // Anticipos of the period on the inscription, and on any inscription of the taxpayer.
    Result<int> anticiposOfInscription(qint64 cp01Id, Period period);
    Result<int> anticiposOfTaxpayer(qint64 cmdId, Period period);

    data::AccesoDatos& access() { return m_db; }

private:
    Status writeLines(qint64 sidId, const QList<ActivityLine>& lines);
    Result<int> count(const QString& sql, const QVariantList& params);

    data::AccesoDatos& m_db;
};

}
