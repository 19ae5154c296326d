#pragma once

#include "common/print/authorityheader.h"
#include "common/print/bankbarcode.h"
#include "common/print/mancha.h"
#include "common/print/pagecanvas.h"
#include "common/print/pagetable.h"
#include "common/print/printableform.h"

#include <QStringList>

namespace ventrix::print::test {

// A 375-character monthly-declaration record: "D3" and digits.
inline QString d3Record()
{
    QString r = QStringLiteral("D3");
    for (int i = 0; r.size() < 375; ++i)
        r += QChar(u'0' + (i * 7) % 10);
    return r;
}

// A page record of the inscription form, "|"-separated values with names, cut at 2,700 characters.
inline QString longPageRecord(int length = 2700)
{
    const QStringList values { QStringLiteral("0001234567"), QStringLiteral("ALTA"),
        QStringLiteral("20-12345678-9"), QStringLiteral("901-123456/01"),
        QStringLiteral("Peña ÁLVAREZ, José María"), QStringLiteral("5-3-1970"),
        QStringLiteral("Av. San Martín 1234"), QStringLiteral("La Esquina S.R.L."), QStringLiteral("471110"),
        QStringLiteral("Venta al por menor en almacenes y despensas"), QStringLiteral("1-2-2003") };
    QString r;
    for (int i = 0; r.size() < length; ++i)
        r += values[i % values.size()] + u'|';
    return r.left(length);
}

// The 38-digit payment code of an agent's payment form.
inline QString agentPaymentCode()
{
    return QStringLiteral("01234032026000456706032026000001234550");
}

// A form made for the tests: a landscape declaration page placed like the monthly declaration
// (header, ~60 texts, the barcode strip, the PDF417 symbol, a bank barcode).
class SampleForm : public PrintableForm
{
public:
    QString record = d3Record();
    QString bankDigits = agentPaymentCode();
    qreal manchaX = 232; // 24 cm would run the symbol past a landscape A4 sheet's edge
    ManchaLayout lastLayout;

    QString documentName() const override { return QStringLiteral("Formulario de prueba"); }
    int pageCount() const override { return 1; }
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }

    void paintPage(int, PageCanvas& canvas) override
    {
        canvas.setFont(QStringLiteral("Arial"), 8);
        AuthorityHeader::current().draw(canvas, 12, 100, 20, 3);
        canvas.setFont(QStringLiteral("Arial"), 8, true);
        canvas.text(117, 10, QStringLiteral("Comprobante Nº 000123456"));
        canvas.text(117, 19, QStringLiteral("IMPUESTO S/ LOS INGRESOS BRUTOS"));
        canvas.roundedFrame(QRectF(115, 6, 65, 20), 2);
        canvas.setFont(QStringLiteral("Arial"), 7, true);
        for (int i = 0; i < 14; ++i) {
            const qreal x = 188 + 6 * (i % 7);
            const qreal y = 5 + 10 * (i / 7);
            canvas.text(x, y, QStringLiteral("%1=").arg(i, 2, 10, QChar(u'0')));
            canvas.alinear(x, y + 5, QString::number(i * 3), 7, false, QStringLiteral("999"));
        }
        canvas.setFont(QStringLiteral("times new roman"), 9);
        for (int i = 0; i < 30; ++i)
            canvas.alinear(12, 45 + 4 * i,
                QStringLiteral("%1,%2").arg(i * 1234).arg(i % 100, 2, 10, QChar(u'0')), 9, false,
                QStringLiteral("9999999.99"));
        canvas.greyFill(QRectF(60, 44, 100, 5), 15);
        canvas.box(QRectF(60, 44, 100, 120));
        canvas.line(60, 50, 160, 50);
        ManchaPlacement place = ManchaPlacement::monthlyDeclaration(canvas.outputDpi());
        place.topLeftMm.setX(manchaX);
        lastLayout = Imp_Mancha(canvas, record, place);
        canvas.setFont(QStringLiteral("Arial"), 8);
        (void)drawBankBarcode(canvas, bankDigits, QRectF(100, 170, 90, 14));
    }
};

// A portrait page like the inscription form's: a table and the page record's barcode at the foot,
// 24.7 cm from the top, in the 19 x 4.5 cm band the page leaves free there.
class FootForm : public PrintableForm
{
public:
    QString record = longPageRecord();
    ManchaLayout lastLayout;

    static ManchaPlacement placement() { return { QPointF(10, 247), 1.0, QSizeF(190, 45) }; }

    QString documentName() const override { return QStringLiteral("Formulario CP01"); }
    int pageCount() const override { return 1; }

    void paintPage(int, PageCanvas& canvas) override
    {
        canvas.setFont(QStringLiteral("Arial"), 8);
        AuthorityHeader::current().draw(canvas, 0, 210, 10, 3.5);
        PageTable table({ { QStringLiteral("Fecha"), 25 }, { QStringLiteral("Concepto"), 60 },
                            { QStringLiteral("Monto"), 30, ColumnAlign::Right } },
            5);
        for (int i = 0; i < 8; ++i)
            table.addRow({ QStringLiteral("01/03/2026"), QStringLiteral("Retención %1").arg(i),
                QStringLiteral("1.234,%1").arg(i, 2, 10, QChar(u'0')) });
        table.paintPart(canvas, 0, QRectF(12, 35, 115, 50));
        canvas.box(QRectF(8, 245, 194, 49));
        lastLayout = Imp_Mancha(canvas, record, placement());
    }
};

}
