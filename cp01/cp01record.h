#pragma once

#include "common/fieldvalues.h"
#include "cp01/activity.h"
#include "cp01/proceduretype.h"

#include <QDate>

#include <array>

namespace ventrix::cp01 {

// Column names of the procedure's fields the core reads.
namespace col {
inline const QString Id = QStringLiteral("CP01_ID");
inline const QString Tramite = QStringLiteral("CP01_Tramite");
inline const QString Personas = QStringLiteral("CP01_Personas");
inline const QString Contribuyente = QStringLiteral("CP01_Contribuyente");
inline const QString Cuit = QStringLiteral("CP01_CUIT");
inline const QString IngBrut = QStringLiteral("CP01_IngBrut");
inline const QString FechaPres = QStringLiteral("CP01_FechaPres");
inline const QString TrigerIngreso = QStringLiteral("CP01_Triger_Ingreso");
inline const QString FormCp01 = QStringLiteral("CP01_FormCP01");
inline const QString Firma = QStringLiteral("CP01_PerJur_Resp1_Firma");
inline const QString ComId = QStringLiteral("Com_ID");
inline const QString ComComId = QStringLiteral("Com_Com_ID");
inline const QString ComNombre = QStringLiteral("Com_Activ_Nombre");
inline const QString ComNumero = QStringLiteral("Com_Activ_ComerNum");
inline const QString ComInicio = QStringLiteral("Com_Activ_FhInicio");

// "CP01_PerJur_Resp3_CUIT" for (3, "CUIT"); the second person's position is spelled "Res2_Cargo".
QString responsible(int n, const QString& item);
// "CP01_Activ_Nombre" for premises 1, "CP01_Activ_Nombre2" for premises 2.
QString premises(int n, const QString& item);
}

inline const QString Fisicas = QStringLiteral("FISICAS");
inline const QString Juridicas = QStringLiteral("JURIDICAS");

// One CP01 procedure as the form holds it: its fields by column name (prefix "CP01") and the
// activities of its three premises.
struct Cp01Record
{
    FieldValues fields;
    std::array<ActivityTable, 3> activities {};

    qint64 id() const; // 0 while never stored
    QString text(const QString& column) const;
    QDate date(const QString& column) const;
    void set(const QString& column, const QVariant& value) { fields.insert(column, value); }

    QString tramite() const { return text(col::Tramite); }
    bool isLegalPerson() const { return text(col::Personas).trimmed() == Juridicas; }
    ActivityTable& premisesActivities(int n) { return activities.at(n - 1); }
    const ActivityTable& premisesActivities(int n) const { return activities.at(n - 1); }

    // A new procedure of another type from this one: same data and activities, no key, no date.
    Cp01Record derived(const QString& tramite) const;
    // Choosing the person type: a legal person without a signature mode signs "Individual".
    void setPersonType(const QString& personas);
};

// A premises opened with "4 - Apertura Comercio": its fields (prefix "Com") and activities.
struct OpenedPremises
{
    qint64 comId = 0; // 0 while never stored
    FieldValues fields;
    ActivityTable activities;

    QString text(const QString& column) const { return fields.value(column).toString(); }
    QDate date(const QString& column) const { return fields.value(column).toDate(); }
};

}
