#include "common/print/barcodecheck.h"
#include "common/print/pagecanvas.h"
#include "common/print/pageoutput.h"
#include "ib08fixture.h"
#include "plans/ib08barcode.h"
#include "plans/ib08printflow.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

Ib08Taxpayer taxpayer()
{
    return { 7, QStringLiteral("Peña ÁLVAREZ, José"), QStringLiteral("20-12345678/6"),
        QStringLiteral("012-123456/00") };
}

Ib08Payment stored()
{
    Ib08Payment p = typedPayment();
    p.id = 3;
    p.posFiscal = QStringLiteral("05/26");
    p.total = money("1018.00");
    return p;
}

Ib08Page page(const Ib08Payment& p = stored())
{
    return Ib08Page(*Ib08PrintFlow::printout(p, taxpayer(), Ib08Concept::Multa, QStringLiteral("000123456")));
}

int stubOf(const PlacedText& t)
{
    return int(t.mm.y() / Ib08Page::StubHeight);
}

QList<int> stubsOf(const QList<PlacedText>& found)
{
    QList<int> out;
    for (const PlacedText& t : found)
        out << stubOf(t);
    return out;
}

// The value printed on the same line as the label, to its right, in the same stub.
QString valueBeside(const QList<PlacedText>& all, const PlacedText& label)
{
    for (const PlacedText& t : all) {
        if (&t != &label && qAbs(t.mm.y() - label.mm.y()) < 0.2 && t.mm.x() > label.mm.x() + 5)
            return t.text;
    }
    return {};
}

}

TEST(Ib08Page, ThreeStubsEachWithTheTextsAndAmounts)
{
    Ib08Page form = page();
    PlacedTextRecorder device;
    {
        QPainter painter(&device);
        print::PageCanvas canvas(painter);
        form.paintPage(0, canvas);
        EXPECT_TRUE(canvas.problems().isEmpty());
    }
    EXPECT_EQ(form.documentName(), QStringLiteral("Formulario IB08"));
    EXPECT_EQ(form.pageCount(), 1);
    const QList<int> everyStub { 0, 1, 2 };
    EXPECT_EQ(stubsOf(device.named(QStringLiteral("TALON PARA EL BANCO"))), QList<int> { 0 });
    EXPECT_EQ(stubsOf(device.named(QStringLiteral("TALON  PARA  LA  A.G.T."))), QList<int> { 1 });
    EXPECT_EQ(stubsOf(device.named(QStringLiteral("TALON PARA EL CONTRIBUYENTE"))), QList<int> { 2 });
    for (const char* text : { "AGENCIA GENERAL TRIBUTARIA", "PROVINCIA DEL VALDERA",
             "CUIT:", "Apellido y Nombre/Razón Social.", "TRAMITE:", "FECHA:", "IMPORTE DEPOSITADO:",
             "Son Pesos:", "Efectivo", "Cheque             N°:_________________",
             "C/Banco__________________________", "Sucursal__________________________",
             "FECHA:______/______/_______", "FIRMA:________________________________",
             "Firma y Sello del cajero al dorso", "Posición Fiscal: 05/26  (MM/AA)" })
        EXPECT_EQ(stubsOf(device.named(QString::fromUtf8(text))), everyStub) << text;

    const QList<std::pair<const char*, const char*>> amounts { { "10- Importe: ", "1.000,00" },
        { "12- Actualización", "12,34" }, { "13- Interés", "5,66" }, { "15- TOTAL", "1.018,00" },
        { "TRAMITE:", "Multa" }, { "CUIT:", "20-12345678/6" }, { "FECHA:", "15/03/2026" },
        { "IMPORTE DEPOSITADO:", "1.018,00" }, { "Formulario N°:", "000123456" } };
    for (const auto& [label, value] : amounts) {
        const QList<PlacedText> found = device.named(QString::fromUtf8(label));
        ASSERT_EQ(stubsOf(found), everyStub) << label;
        for (const PlacedText& t : found)
            EXPECT_EQ(valueBeside(device.texts, t), QString::fromUtf8(value))
                << label << " stub " << stubOf(t);
    }
    // The amounts stand in one column, right-aligned under each other.
    const QList<PlacedText> importe = device.named(QStringLiteral("1.000,00"));
    ASSERT_FALSE(importe.isEmpty());
    EXPECT_GT(importe.front().mm.x(), 150);
}

TEST(Ib08Page, EachStubsBankCodeReadsBackAsBuilt)
{
    Ib08Page form = page();
    const QString digits = form.printout().barcode;
    ASSERT_EQ(digits.size(), 54);
    for (const qreal printerDpi : { 200, 300, 600, 1200 })
        EXPECT_EQ(print::PageOutput::check(form, printerDpi), QString()) << printerDpi;
    const QImage image = print::PageOutput::renderPage(form, 0, 300);
    if (const QString dir = qEnvironmentVariable("VENTRIX_SCREENSHOT_DIR"); !dir.isEmpty())
        image.copy(0, 0, image.width(), image.height() / 3).save(dir + QStringLiteral("/ib08_stub.png"));
    const qreal dotsPerMm = 300 / 25.4;
    for (int stub = 0; stub < 3; ++stub) {
        const QRectF box = Ib08Page::barcodeBox(stub).adjusted(-4, -2, 4, 2);
        const QImage one = image.copy(QRectF(box.topLeft() * dotsPerMm, box.size() * dotsPerMm).toRect());
        EXPECT_EQ(print::readBarcodes(one), QStringList { digits }) << "stub " << stub;
    }

    Ib08Payment noPosition = stored();
    noPosition.posFiscal.clear();
    Ib08Page without = page(noPosition);
    EXPECT_EQ(without.printout().barcode.size(), 54);
    const QRectF box = Ib08Page::barcodeBox(0).adjusted(-4, -2, 4, 2);
    const QImage first = print::PageOutput::renderPage(without, 0, 300)
                             .copy(QRectF(box.topLeft() * dotsPerMm, box.size() * dotsPerMm).toRect());
    EXPECT_EQ(print::readBarcodes(first), QStringList { without.printout().barcode });
}

TEST(Ib08PrintFlow, DrawsTheNumberChecksAndHandsThePageOut)
{
    DrawnNumbers numbers;
    numbers.next = { 42 };
    QString seen;
    Ib08PrintFlow flow({ [] { return true; },
        [&seen](Ib08Page& p) {
            seen = p.printout().barcode;
            return true;
        } });
    const Result<QString> printed = flow.Imprimir(stored(), taxpayer(), Ib08Concept::Inscripcion);
    ASSERT_TRUE(printed) << printed.error().toStdString();
    EXPECT_EQ(*printed, QStringLiteral("000000042"));
    EXPECT_EQ(seen,
        QStringLiteral("20123456786"
                       "0000000042"
                       "3"
                       "0526"
                       "00100000"
                       "00001800"
                       "00101800"
                       "6074"));
}

TEST(Ib08PrintFlow, CancelledOrRefusedPrintsNothing)
{
    int outputs = 0;
    const auto output = [&outputs](Ib08Page&) { return ++outputs > 0; };
    const Result<QString> cancelled
        = Ib08PrintFlow({ [] { return false; }, output }).Imprimir(stored(), taxpayer(), Ib08Concept::Multa);
    ASSERT_FALSE(cancelled);
    EXPECT_EQ(cancelled.error(), QString());

    Ib08Payment big = stored();
    big.importe = big.total = money("2500000.00");
    const Result<QString> refused
        = Ib08PrintFlow({ [] { return true; }, output }).Imprimir(big, taxpayer(), Ib08Concept::Multa);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
        QStringLiteral("El valor de \"Importe\" tiene 9 dígitos y el formulario admite 8.\n"
                       "No se imprimió el formulario."));
    EXPECT_EQ(outputs, 0);
}

TEST(Ib08Page, TheBlankFormHasTheStubsButNoValuesNorCode)
{
    Ib08Printout printout;
    printout.blank = true;
    Ib08Page form(printout);
    EXPECT_FALSE(form.pageHasBarcodes(0));
    PlacedTextRecorder device;
    {
        QPainter painter(&device);
        print::PageCanvas canvas(painter);
        form.paintPage(0, canvas);
        EXPECT_TRUE(canvas.barcodes().isEmpty());
        EXPECT_TRUE(canvas.problems().isEmpty());
    }
    EXPECT_EQ(stubsOf(device.named(QStringLiteral("15- TOTAL"))), (QList<int> { 0, 1, 2 }));
    EXPECT_EQ(stubsOf(device.named(QStringLiteral("Posición Fiscal:   (MM/AA)"))), (QList<int> { 0, 1, 2 }));
    EXPECT_TRUE(device.named(QStringLiteral("0,00")).isEmpty());
    EXPECT_TRUE(device.named(QStringLiteral("Interes")).isEmpty());

    int outputs = 0;
    EXPECT_TRUE(Ib08PrintFlow(
        { [] { return true; },
            [&outputs](Ib08Page& p) {
                EXPECT_TRUE(p.printout().blank);
                return ++outputs > 0;
            } }).ImprimirEnBlanco());
    EXPECT_FALSE(Ib08PrintFlow({ [] { return false; }, [&outputs](Ib08Page&) { return ++outputs > 0; } })
                     .ImprimirEnBlanco());
    EXPECT_EQ(outputs, 1);
}
