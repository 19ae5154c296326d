#pragma once

#include "common/result.h"
#include "sid3/sid3printdata.h"

#include <QList>
#include <QString>

namespace ventrix::sid3 {

// How a field of the print record is written out and read back.
enum class RecordFieldKind { Code, Count, Amount, Rate, Date, Period, Identifier };

// One fixed-width field of the print record: its key on the form's strip, its width, what it is,
// the value as the form shows it and the text whose digits fill the record.
struct RecordField
{
    QString key;
    int width = 0;
    QString label;
    RecordFieldKind kind = RecordFieldKind::Code;
    QString shown;
    QString source;
};

// The form code every record begins with.
inline constexpr char16_t FormCode[] = u"D3";
// A record with every value within its width.
inline constexpr int RecordLength = 375;

// The comprobante number as printed and as the file name carries it: nine digits.
QString comprobanteText(quint64 number);
// A new comprobante number for a print, 1 to 999999999, from the program's number source.
quint64 drawComprobante();

// The fields of the record in their order, after the form code.
QList<RecordField> recordFields(const Sid3PrintData& data, const QString& comprobante);

// rellenar over every field: the form code followed by each field's digits padded with "0". A
// value with more digits than its field, or a negative one, refuses the whole record with a
// message naming the field.
Result<QString> printRecord(const QList<RecordField>& fields);
Result<QString> printRecord(const Sid3PrintData& data, const QString& comprobante);

// A field read back from a record: its label and its value written for people.
struct ReadField
{
    QString key;
    QString label;
    QString value;
};

// Splits a record into its fields and checks it: form code, length, digits only, valid dates
// and month. The reason when it is not a monthly declaration record.
Result<QList<ReadField>> readPrintRecord(const QString& record);

}
