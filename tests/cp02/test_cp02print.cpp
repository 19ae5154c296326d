#include "common/print/barcodecheck.h"
#include "common/print/mancha.h"
#include "common/print/pagecanvas.h"
#include "common/print/pageoutput.h"
#include "common/scrambler.h"
#include "cp02/cp02printflow.h"
#include "cp02printfixture.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;
using namespace ventrix::test;

namespace {

const QString Receipt = QStringLiteral("000000042");

const QString Record1 = QStringLiteral(
    "000000042|2025|Peña ÁLVAREZ, José|20-12345678/6|012-123456/00|San "
    "Martín|1234|||2|B||Capital|VALDERA|5000|"
    "624101|Com1:Almacén|3|10000,00|3,50|350,00|951500|Com2:Enseñanza|1|500,00|0,00|0,00|10500,00|350,00|"
    "14-2-2025|1000,00|35,00|81,00|81,00|10,00|71,00|71,00||||||5,00|-5,00||"
    "||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||||"
    "1000,00|35,00|81,00|81,00|15,00|66,00|71,00|");
const QString Record2 = QStringLiteral("000000042|2025|1500,00|300,00|800,00|400,00|0,00|"
                                       "951500|Ley 5.678|2024|100,00|5-3-2024||500,00|"
                                       "||||||||||||||||||||||||||||"
                                       "31-12-2025|3|Responsable Inscripto|");

QStringList printedTexts(Cp02Pages& pages, int page)
{
    PlacedTextRecorder device;
    QPainter painter(&device);
    print::PageCanvas canvas(painter);
    pages.paintPage(page, canvas);
    painter.end();
    return device.plain();
}

}

TEST(Cp02Print, PageRecordsCarryThePrintedValuesInTheirOrder)
{
    const Cp02Printout p = makePrintout(sampleDeclaration(), sampleTaxpayer(), Receipt);
    EXPECT_EQ(p.record1(), Record1);
    EXPECT_EQ(p.record2(), Record2);
    EXPECT_EQ(closePageRecord(p.record2()), Record2 + QStringLiteral("V1.0||OK"));
}

TEST(Cp02Print, ARecordOf2700CharactersIsCutAndMarked)
{
    const QString just = QString(2699, u'x');
    EXPECT_EQ(closePageRecord(just), just + QStringLiteral("V1.0||OK"));
    const QString full = QString(2700, u'y') + QStringLiteral("zzz|");
    EXPECT_EQ(closePageRecord(full), QString(2700, u'y') + QStringLiteral("|FDatV1.0|"));
}

TEST(Cp02Print, TwoPagesTwoLinesAndAFileNamedAfterTheReceipt)
{
    QTemporaryDir dir;
    DrawnNumbers random;
    random.next = { 42, 7 };
    QStringList copied;
    int pagesShown = 0;
    Cp02PrintFlow flow(dir.filePath(QStringLiteral("Archivos")),
        { [] { return true; },
            [&pagesShown](Cp02Pages& pages) { return (pagesShown = pages.pageCount()) == 2; },
            [&copied](const QString& name) { copied << name; } });
    auto receipt = flow.Imprimir(sampleDeclaration(), sampleTaxpayer());
    ASSERT_TRUE(receipt) << receipt.error().toStdString();
    EXPECT_EQ(*receipt, Receipt);
    EXPECT_EQ(pagesShown, 2);
    EXPECT_EQ(copied, QStringList { QStringLiteral("CP02_000000042.txt") });

    QFile file(dir.filePath(QStringLiteral("Archivos/CP02_000000042.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray expected = Encripta(QString(Record1 + QStringLiteral("V1.0||OK")), Receipt) + "\r\n"
        + Encripta(QString(Record2 + QStringLiteral("V1.0||OK")), Receipt) + "\r\n";
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.count("\r\n"), 2);
    EXPECT_NE(bytes.front(), '0');

    // Each print draws a new number and leaves the earlier file where it was.
    ASSERT_EQ(*flow.Imprimir(sampleDeclaration(), sampleTaxpayer()), QStringLiteral("000000007"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("Archivos"))).entryList(QDir::Files).size(), 2);
}

TEST(Cp02Print, ACancelledPrinterChoiceWritesNothing)
{
    QTemporaryDir dir;
    bool shown = false;
    Cp02PrintFlow flow(
        dir.path(), { [] { return false; }, [&shown](Cp02Pages&) { return shown = true; }, {} });
    auto receipt = flow.Imprimir(sampleDeclaration(), sampleTaxpayer());
    EXPECT_FALSE(receipt);
    EXPECT_TRUE(receipt.error().isEmpty());
    EXPECT_FALSE(shown);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(Cp02Print, BarcodesReadBackTheClosedRecordsWithoutAccents)
{
    Cp02Record r = sampleDeclaration();
    // Eighteen activities make the first record long enough to need more than the standard symbol.
    for (int i = 0; i < 16; ++i)
        r.activities.append(
            { QString::number(611010 + i), QStringLiteral("Com3:Comercio mayorista de artículos %1").arg(i),
                false, Money::fromUnits(123456789), Rate::fromUnits(250), Money::fromUnits(3086420), 2 });
    Cp02Pages pages(makePrintout(r, sampleTaxpayer(), Receipt));
    ASSERT_EQ(pages.pageCount(), 2);
    for (int page = 0; page < 2; ++page) {
        const QImage image = print::PageOutput::renderPage(pages, page, 300);
        const QStringList read = print::readBarcodes(image);
        ASSERT_EQ(read.size(), 1) << "page " << page;
        EXPECT_EQ(read.front(), print::manchaText(pages.closedRecord(page)));
        if (page == 0) {
            EXPECT_TRUE(read.front().contains(QStringLiteral("Pe#a ALVAREZ, Jose|")));
            EXPECT_TRUE(read.front().contains(QStringLiteral("Com2:Ense#anza")));
        }
    }
    EXPECT_EQ(print::PageOutput::check(pages, 300), QString());
}

TEST(Cp02Print, ALongActivityNameIsShortenedOnPaperAndWholeInTheRecord)
{
    Cp02Record r = sampleDeclaration();
    const QString name
        = QStringLiteral("Com1:Venta al por menor de productos alimenticios, bebidas y tabaco en "
                         "comercios no especializados con predominio de productos de almacén");
    r.activities.front().actividad = name;
    Cp02Pages pages(makePrintout(r, sampleTaxpayer(), Receipt));
    const QStringList texts = printedTexts(pages, 0);
    const auto shortened = std::find_if(texts.cbegin(), texts.cend(),
        [](const QString& t) { return t.startsWith(QStringLiteral("Com1:Venta al por menor")); });
    ASSERT_NE(shortened, texts.cend());
    EXPECT_TRUE(shortened->endsWith(QStringLiteral("...")));
    EXPECT_LT(shortened->size(), name.size());
    EXPECT_TRUE(pages.closedRecord(0).contains(u'|' + name + u'|'));
    EXPECT_TRUE(texts.contains(QStringLiteral("Comprobante Nº 000000042")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Página 1 de 2")));
    EXPECT_TRUE(printedTexts(pages, 1).contains(QStringLiteral("Página 2 de 2")));
}
