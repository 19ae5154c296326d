#pragma once

#include "sid3/sid3printdata.h"
#include "sid3/sid3printrecord.h"

namespace ventrix::print {
class PageCanvas;
}

namespace ventrix::sid3 {

// Width of the form's body, in millimetres from its origin 12 mm from the left.
inline constexpr qreal BodyWidth = 183;

// The top of every page of the declaration: the authority header and, to its right, the
// comprobante number and the form's names ("Formulario" on the form page, "ANEXO" on annexes).
void paintFormHead(
    print::PageCanvas& canvas, const QString& comprobante, const QString& kind, bool cashierBox);

// The form page: the declaration's sections, the strip of keys and values and the barcode.
void paintFormPage(print::PageCanvas& canvas, const Sid3PrintData& data, const QList<RecordField>& fields,
    const QString& comprobante, const QString& record);

}
