#pragma once

#include "common/fieldvalues.h"
#include "common/fixed.h"

#include <QDate>
#include <QString>

#include <optional>

namespace ventrix::plans {

// Column names of the plan's fields; every one begins with the prefix "PFP".
namespace col {
inline const QString Prefix = QStringLiteral("PFP");
inline const QString Id = QStringLiteral("PFP_ID");
inline const QString Cp01Id = QStringLiteral("CP01_ID");
inline const QString TipoForm = QStringLiteral("PFP_TipoForm");
inline const QString Tasa = QStringLiteral("PFP_Tasa");
inline const QString FechaAprob = QStringLiteral("PFP_FechaAprob");
inline const QString FechaVtoCta2 = QStringLiteral("PFP_FechaVtoCta2");
inline const QString ImporteDeuda = QStringLiteral("PFP_ImporteDeuda");
inline const QString ImporteAnticipo = QStringLiteral("PFP_ImporteAnticipo");
inline const QString ImporteCuota = QStringLiteral("PFP_ImporteCuota");
inline const QString CantCuotas = QStringLiteral("PFP_CantCuotas");
inline const QString NumPFP = QStringLiteral("PFP_NumPFP");
}

// A payment plan the authority granted: debt, down payment, equal instalments at the plan's own
// rate, and the due date of the second instalment from which the others follow.
struct PaymentPlan
{
    qint64 id = 0; // 0 while never stored
    qint64 cp01Id = 0; // the inscription it belongs to, 0 while never stored
    QString tipoForm;
    std::optional<Rate> tasa; // percent a month
    QDate fechaAprob;
    QDate fechaVtoCta2;
    std::optional<Money> importeDeuda;
    std::optional<Money> importeAnticipo;
    std::optional<Money> importeCuota;
    std::optional<qint64> cantCuotas;
    QString numPFP;

    bool operator==(const PaymentPlan&) const = default;
};

// The plan's fields by column name (prefix "PFP", key included), as screens bind them.
FieldValues planFields(const PaymentPlan& plan);
// The plan held by the fields; CP01_ID is read when present. Values read from the database come
// typed; texts typed on a screen are read in the display format ("1.234,50", "05/10/2026").
PaymentPlan paymentPlan(const FieldValues& fields);

// "05/10/2026 N° Ctas = 12": the plan as the instalment screen lists it.
QString planListText(const PaymentPlan& plan);

}
