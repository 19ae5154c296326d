#include "common/print/bankbarcode.h"
#include "common/print/barcodecheck.h"
#include "common/print/pageoutput.h"
#include "common/print/papercheck.h"
#include "sampleform.h"
#include "scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::print;
using namespace ventrix::print::test;
using ventrix::test::ScriptedMessages;

namespace {

const QString NotA4Question = QStringLiteral(
    "Verifique que tiene seleccionado en la impresora papel tamaño A4 (210mm x 297mm) Orientación "
    "Vertical...\n\nDesea continuar...?");

// A form whose barcode has lost bars after layout, as a faulty encoder or drawing would leave it.
class BrokenForm : public SampleForm
{
public:
    void paintPage(int page, PageCanvas& canvas) override
    {
        SampleForm::paintPage(page, canvas);
        PlacedBarcode broken = canvas.barcodes().front();
        broken.symbol.bars.remove(0, broken.symbol.bars.size() / 2);
        canvas.barcode(broken);
    }
};

}

TEST(BankBarcode, DigitsReadBackAndAreRefusedOtherwise)
{
    for (const QString& digits :
        { agentPaymentCode(), QStringLiteral("2012345678900000000001030512345678000000000000000000"),
            QStringLiteral("12345") }) {
        const BarcodeSymbol s = bankBarcode(digits);
        ASSERT_FALSE(s.isNull());
        const QString expected = digits.size() % 2 ? QStringLiteral("0") + digits : digits;
        EXPECT_EQ(s.data, expected);
        EXPECT_EQ(checkBarcodes({ { s, QRectF(0, 0, 90, 12) } }, 300), QString());
        const QImage image = renderSymbol(s, QSizeF(90, 12), 300, 5);
        EXPECT_EQ(readBarcodes(image), QStringList { expected });
    }
    EXPECT_TRUE(bankBarcode(QStringLiteral("12a4")).isNull());
    EXPECT_TRUE(bankBarcode(QString()).isNull());
}

// The read-back fills the bars itself: dot for dot it must be what the painter puts on a device of
// that resolution, or the check would read something other than the printout.
TEST(BankBarcode, ReadBackImageIsThePrintedSymbol)
{
    const PlacedBarcode pdf417
        = layoutMancha(d3Record(), ManchaPlacement::monthlyDeclaration(300)).symbols.front();
    const PlacedBarcode bank { bankBarcode(agentPaymentCode()), QRectF(0, 0, 90, 11.3) };
    for (const PlacedBarcode& placed : { pdf417, bank }) {
        for (const qreal dpi : { 96.0, 203.0, 300.0, 360.0, 600.0 }) {
            const QSizeF sizeMm = placed.rectMm.size();
            const QImage read = renderSymbol(placed.symbol, sizeMm, dpi, 3);
            QImage printed(read.size(), QImage::Format_Grayscale8);
            printed.fill(Qt::white);
            QPainter painter(&printed);
            const qreal pxPerMm = dpi / 25.4;
            paintSymbol(painter, placed.symbol,
                QRectF(QPointF(3, 3) * pxPerMm, QSizeF(sizeMm.width(), sizeMm.height()) * pxPerMm));
            painter.end();
            int differing = 0;
            for (int y = 0; y < read.height(); ++y) {
                for (int x = 0; x < read.width(); ++x)
                    differing += read.pixelColor(x, y) != printed.pixelColor(x, y);
            }
            EXPECT_EQ(differing, 0) << dpi << " dpi";
        }
    }
}

TEST(PaperCheck, A4PortraitPassesOtherSheetsAsk)
{
    ScriptedMessages messages;
    EXPECT_TRUE(acceptPaper(QSizeF(210, 297)));
    EXPECT_TRUE(messages.shown().isEmpty());

    // Letter: No (the default) stops.
    EXPECT_FALSE(acceptPaper(QSizeF(215.9, 279.4)));
    ASSERT_EQ(messages.shown().size(), 1);
    const Message& q = messages.shown().front();
    EXPECT_EQ(q.text,
        QStringLiteral("Verifique que tiene seleccionado en la impresora papel tamaño A4 (210mm x 297mm) "
                       "Orientación Vertical...\n\nDesea continuar...?"));
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.defaultAnswer, Answer::No);
    EXPECT_EQ(q.icon, MessageIcon::Critical);

    // A4 landscape: Yes goes on with the warning.
    messages.clear();
    messages.answer(Answer::Yes);
    EXPECT_TRUE(acceptPaper(QSizeF(297, 210)));
    EXPECT_EQ(messages.texts(),
        (QStringList { NotA4Question,
            QStringLiteral("Se detectó un formato de hoja diferente al A4.\n"
                           "Verifique que la impresión esté completa en hoja tamaño A4.") }));
}

TEST(PageOutput, SelfCheckPassesGoodPagesAndStopsBrokenOnes)
{
    SampleForm good;
    EXPECT_EQ(PageOutput::check(good, 300), QString());
    EXPECT_EQ(PageOutput::check(good, 600), QString());

    BrokenForm broken;
    const QString problem = PageOutput::check(broken, 300);
    EXPECT_TRUE(problem.contains(QStringLiteral("página 1"))) << problem.toStdString();

    // Below 300 dpi the form draws its symbol 1.7 times larger: the read-back pass sees that size,
    // which no longer fits beside the strip.
    EXPECT_TRUE(PageOutput::check(good, 200).contains(QStringLiteral("fuera de la hoja")));

    // At 24 cm from the left the symbol runs past a landscape sheet's edge.
    SampleForm offEdge;
    offEdge.manchaX = 240;
    EXPECT_TRUE(PageOutput::check(offEdge, 300).contains(QStringLiteral("fuera de la hoja")));

    // A form that ignored a failed barcode still cannot print its page.
    SampleForm tooLong;
    tooLong.record = longPageRecord();
    EXPECT_EQ(PageOutput::check(tooLong, 300),
        QStringLiteral("Los datos del formulario (2700 caracteres) no caben en el código de barras del "
                       "espacio disponible. No se imprimió el formulario."));
    SampleForm badBank;
    badBank.bankDigits = QStringLiteral("12-34");
    EXPECT_EQ(PageOutput::check(badBank, 300),
        QStringLiteral(
            "El código de barras bancario \"12-34\" debe tener sólo dígitos. No se imprimió el formulario."));

    // Too coarse an output to resolve the modules is refused, not printed.
    EXPECT_FALSE(PageOutput::check(good, 60).isEmpty());
}

TEST(PageOutput, PdfIsWrittenWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.pdf"));
    ScriptedMessages messages;

    BrokenForm broken;
    EXPECT_FALSE(PageOutput::writePdf(broken, path));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().front().icon, MessageIcon::Critical);

    SampleForm good;
    ASSERT_TRUE(PageOutput::writePdf(good, path));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("form.pdf") });

    if (!qEnvironmentVariableIsEmpty("VENTRIX_KEEP_PDF")) {
        QFile::remove(qEnvironmentVariable("VENTRIX_KEEP_PDF"));
        QFile::copy(path, qEnvironmentVariable("VENTRIX_KEEP_PDF"));
        FootForm foot;
        (void)PageOutput::writePdf(
            foot, qEnvironmentVariable("VENTRIX_KEEP_PDF") + QStringLiteral(".foot.pdf"));
    }
}
