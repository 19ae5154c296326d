#pragma once

#include "common/result.h"
#include "plans/ib08record.h"

#include <QList>
#include <QString>

namespace ventrix::plans {

// The digit string of the form's bank barcode (Interleaved 2 of 5), always 54 digits, each field
// padded on the left with "0" and all zeros when its value is missing:
//   CUIT                 11  the CUIT's digits
//   form number          10  the nine-digit number printed on the stubs, so the bank's record leads
//                            back to the paper
//   concept               1  0 Interes, 1 Multa, 2 Reinscripción, 3 Inscripción (the options' order)
//   fiscal position       4  month and year, "mmaa"; "0000" without one, so that the length never
//                            changes (banks' readers take one fixed length)
//   amount               8   "10- Importe", in cents
//   surcharges            8  "12- Actualización" plus "13- Interés", in cents
//   total                 8  "15- TOTAL", the sum to collect, in cents
//   payment date          4  the year's last digit and the day of the year ("6074": 15/03/2026), the
//                            day the amounts were computed for
// The even length makes the pairs of the symbology without a padding digit.
inline constexpr int Ib08BarcodeLength = 54;

struct Ib08BarcodeField
{
    QString label;
    int width = 0;
    QString source; // digits, possibly "-" first; empty when missing
};

// The fields above, in order.
QList<Ib08BarcodeField> ib08BarcodeFields(
    const QString& cuit, const QString& formNumber, Ib08Concept tramite, const Ib08Payment& payment);

// The digit string; a negative value or one with more digits than its field refuses it with a
// message naming the field, so no code of another length ever leaves the program.
Result<QString> ib08BarcodeDigits(
    const QString& cuit, const QString& formNumber, Ib08Concept tramite, const Ib08Payment& payment);

}
