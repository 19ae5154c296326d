#pragma once

#include "common/result.h"
#include "plans/instalment.h"

#include <QList>
#include <QString>

namespace ventrix::plans {

// One fixed-width field of a slip's numeric line: what it holds, its width and the text whose
// digits fill it.
struct SlipField
{
    QString label;
    int width = 0;
    QString source;
};

// The width of a numeric line with every value within its field.
inline constexpr int SlipLineLength = 64;

// The plan number as the slip prints it: seven digits ("0000123") when it is a number, as typed
// otherwise.
QString planNumberText(const QString& numPFP);

// The fields of the numeric line, in order: CUIT (11), plan number (7), instalment number (4),
// due date (6: day, month, last two digits of the year), instalment amount, interest and total
// (10 each, in cents) and payment date (6).
QList<SlipField> slipFields(const InstalmentSlip& slip, const QString& cuit);

// The numeric line every stub carries: each field's digits padded on the left with "0". A value
// with more digits than its field, or a negative one, refuses the line with a message naming it.
Result<QString> slipNumericLine(const InstalmentSlip& slip, const QString& cuit);

}
