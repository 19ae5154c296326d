#pragma once

#include "common/fieldvalues.h"
#include "common/fixed.h"

#include <QDate>
#include <QString>

#include <optional>

namespace ventrix::plans {

// Column names of the payment's fields; those the screen binds begin with "IB08".
namespace ib08col {
inline const QString Prefix = QStringLiteral("IB08");
inline const QString Table = QStringLiteral("Form_IB08");
inline const QString Id = QStringLiteral("IB08_ID");
inline const QString Cp01Id = QStringLiteral("CP01_ID");
inline const QString PosFiscal = QStringLiteral("IB08_PosFiscal");
inline const QString FechaPago = QStringLiteral("IB08_FechaPago");
inline const QString Importe = QStringLiteral("IB08_Importe");
inline const QString Actualizacion = QStringLiteral("IB08_Actualizacion");
inline const QString Interes = QStringLiteral("IB08_Interes");
inline const QString Total = QStringLiteral("IB08_Total");
}

// What the payment is for; the value is the tramite's digit on the bank barcode.
enum class Ib08Concept { Interes = 0, Multa = 1, Reinscripcion = 2, Inscripcion = 3 };

// "Interes", "Multa", "Reinscripción", "Inscripción".
QString conceptText(Ib08Concept tramite);

// One payment of the general payment form: fiscal position, payment date and amounts.
struct Ib08Payment
{
    qint64 id = 0; // 0 while never stored
    qint64 cp01Id = 0;
    QString posFiscal; // "mm/aa" or empty
    QDate fechaPago;
    std::optional<Money> importe;
    std::optional<Money> actualizacion;
    std::optional<Money> interes;
    std::optional<Money> total;

    bool operator==(const Ib08Payment&) const = default;
};

// The total of the payment: amount, adjustment and interest, a missing one counting as 0; none
// when no amount was given.
std::optional<Money> ib08Total(const Ib08Payment& payment);

// The payment's fields by column (prefix "IB08", key included), typed as stored.
FieldValues ib08Fields(const Ib08Payment& payment);
// The payment the fields hold, typed values or texts as a screen shows them ("1.234,50",
// "05/10/2026"); text that is no amount or date reads as missing.
Ib08Payment ib08Payment(const FieldValues& fields);

// The taxpayer data the form shows and prints, from the newest inscription.
struct Ib08Taxpayer
{
    qint64 cp01Id = 0;
    QString contribuyente;
    QString cuit;
    QString ingBrut;
};

// One entry of the list of stored payments.
struct Ib08Entry
{
    qint64 id = 0;
    QDate fechaPago;

    // "05/10/2026".
    QString text() const;
};

}
