#include "agents/arpdeclarationfile.h"
#include "agents/arpdeclarationpages.h"
#include "agents/arpdeclarationprintflow.h"
#include "arpdeclarationfixture.h"
#include "common/print/pagecanvas.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

class ArpDeclarationPrintTest : public ::testing::Test, public ArpDeclarationFixture
{
protected:
    QTemporaryDir dir;
    QString archivos = dir.filePath(qs("Archivos"));
    const ArpPeriod february = periodOf(QDate(2005, 2, 1));
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));
    const QDate today { 2005, 4, 5 };

    void paint(ArpDeclarationPages& pages, int page, PlacedTextRecorder& device)
    {
        QPainter painter(&device);
        print::PageCanvas canvas(painter);
        pages.paintPage(page, canvas);
        painter.end();
    }
};

}

TEST_F(ArpDeclarationPrintTest, WithholdingsFileHoldsTheHeaderAndEachRowByteForByte)
{
    // One of February never declared, taken in late; a negative one carries its sign.
    withholding(qs("Tardío SA"), qs("27-33333333/4"), qs("903-111111/05"), qs("12"), QDate(2005, 2, 27),
        20000, 25000, 500);
    // A receipt with its point of sale ("0001-") keeps the receipt's own last seven digits.
    withholding(qs("Proveedor SRL"), qs("20-11111111/2"), qs("001-123456/00"), qs("0001-00001234"),
        QDate(2005, 3, 10), 100000, 25000, 2500);
    withholding(qs("Devolución SA"), qs("30-22222222/7"), qs("902-654321/01"), qs("77"), QDate(2005, 3, 20),
        -40000, 25000, -1000);
    deposit(qs("Retención"), march, QDate(2005, 4, 14), qs("0004711"), 1500);
    const MonthlyDeclaration d = declare(AgentRegister::Retenciones, march, qs("0000815"), today);

    ArpDeclarationPrintFlow flow(access, archivos, { {}, [](ArpDeclarationPages&) { return true; }, {}, {} });
    const auto path = flow.Imprimir(cmdId, d);
    ASSERT_TRUE(path) << path.error().toStdString();
    EXPECT_EQ(QFileInfo(*path).fileName(), qs("IB16_0000815.txt"));
    EXPECT_EQ(QFileInfo(*path).absolutePath(), QDir(archivos).absolutePath());

    const QList<QByteArray> records {
        // agent, number, "1", the month's total (25.00 - 10.00), 42 blanks
        "12341"
        "0000815"
        "1"
        "000000000001500"
            + QByteArray(42, ' '),
        // agent, number, "2", I.S.I.B., CUIT, receipt, ddMMyy, rate x 10000, amount, sign
        "12341"
        "0000815"
        "2"
        "90311111105"
        "27333333334"
        "0000012"
        "270205"
        "025000"
        "000000000000500"
        " ",
        "12341"
        "0000815"
        "2"
        "00112345600"
        "20111111112"
        "0001234"
        "100305"
        "025000"
        "000000000002500"
        " ",
        "12341"
        "0000815"
        "2"
        "90265432101"
        "30222222227"
        "0000077"
        "200305"
        "025000"
        "000000000001000"
        "-",
    };
    for (const QByteArray& r : records)
        EXPECT_EQ(r.size(), 70);
    EXPECT_EQ(fileBytes(*path), scrambledFile(records, "0000815"));
}

TEST_F(ArpDeclarationPrintTest, PerceptionsFileHasOneRecordPerPerceptionByteForByte)
{
    perception(qs("Cliente SA"), qs("20-11111111/2"), qs("001-123456/00"), qs("0001-00001234"),
        QDate(2005, 3, 10), 100000, 30000, 3000);
    perception(qs("Nota de crédito"), qs("30-22222222/7"), qs("902-654321/01"), qs("A-77"),
        QDate(2005, 3, 11), -20000, 30000, -600);
    perception(
        qs("De abril"), qs("30-22222222/7"), qs("902-654321/01"), qs("9"), QDate(2005, 4, 1), 100, 30000, 3);
    deposit(qs("Percepción"), march, QDate(2005, 4, 14), qs("0004712"), 2400);
    const MonthlyDeclaration d = declare(AgentRegister::Percepciones, march, qs("0000816"), today);

    QStringList copied;
    ArpDeclarationPrintFlow flow(access, archivos,
        { {}, [](ArpDeclarationPages&) { return true; }, [&copied](const QString& n) { copied << n; }, {} });
    const auto path = flow.Imprimir(cmdId, d);
    ASSERT_TRUE(path) << path.error().toStdString();
    EXPECT_EQ(copied, QStringList { qs("AP02_0000816.txt") });
    const QList<QByteArray> records {
        // agent, number, I.S.I.B., CUIT, ddMMyyyy, invoice, base, sign, amount, sign
        "43215"
        "0000816"
        "00112345600"
        "20111111112"
        "10032005"
        "0001-00001234"
        "000100000"
        " "
        "000003000"
        " ",
        "43215"
        "0000816"
        "90265432101"
        "30222222227"
        "11032005"
        "000000000A-77"
        "000020000"
        "-"
        "000000600"
        "-",
    };
    EXPECT_EQ(records.at(0).size(), 75);
    EXPECT_EQ(fileBytes(*path), scrambledFile(records, "0000816"));
}

TEST_F(ArpDeclarationPrintTest, AValueWiderThanItsFieldIsRefusedWithTheFieldNamedAndNothingWritten)
{
    // 10,000,000.00 needs ten digits, the perception's amount has nine.
    perception(qs("Gigante SA"), qs("20-11111111/2"), qs("001-123456/00"), qs("1"), QDate(2005, 3, 10),
        100000, 30000, 1000000000);
    deposit(qs("Percepción"), march, QDate(2005, 4, 14), qs("0004712"), 2400);
    const MonthlyDeclaration d = declare(AgentRegister::Percepciones, march, qs("0000817"), today);
    bool output = false;
    ArpDeclarationPrintFlow flow(
        access, archivos, { {}, [&output](ArpDeclarationPages&) { return output = true; }, {}, {} });
    const auto path = flow.Imprimir(cmdId, d);
    ASSERT_FALSE(path);
    EXPECT_TRUE(path.error().contains(qs("Importe Percibido"))) << path.error().toStdString();
    EXPECT_TRUE(path.error().contains(qs("Gigante SA")));
    EXPECT_FALSE(output); // no page goes out without its file
    EXPECT_FALSE(QFile::exists(QDir(archivos).filePath(qs("AP02_0000817.txt"))));
}

TEST_F(ArpDeclarationPrintTest, TheFileIsWrittenOnlyAfterThePagesWentOut)
{
    withholding(qs("Proveedor SRL"), qs("20-11111111/2"), qs("001-123456/00"), qs("1"), QDate(2005, 3, 10),
        100000, 25000, 2500);
    deposit(qs("Retención"), march, QDate(2005, 4, 14), qs("0004711"), 2500);
    const MonthlyDeclaration d = declare(AgentRegister::Retenciones, march, qs("0000815"), today);
    const QString file = QDir(archivos).filePath(qs("IB16_0000815.txt"));
    QStringList copied;
    bool existedDuringOutput = true;
    bool printed = false;
    ArpDeclarationPrintFlow flow(access, archivos,
        { {},
            [&](ArpDeclarationPages&) {
                existedDuringOutput = QFile::exists(file);
                return printed;
            },
            [&copied](const QString& n) { copied << n; }, {} });
    EXPECT_FALSE(flow.Imprimir(cmdId, d));
    EXPECT_FALSE(existedDuringOutput);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(copied.isEmpty());

    printed = true;
    ASSERT_TRUE(flow.Imprimir(cmdId, d));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(copied, QStringList { qs("IB16_0000815.txt") });

    // A cancelled printer choice prints nothing.
    bool asked = false;
    ArpDeclarationPrintFlow cancelled(access, archivos,
        { [&asked] { return !(asked = true); },
            [](ArpDeclarationPages&) {
                ADD_FAILURE() << "printed";
                return true;
            },
            {}, {} });
    const auto none = cancelled.Imprimir(cmdId, d);
    EXPECT_TRUE(asked);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error(), QString());

    // Without a month nothing can be declared.
    const auto noPeriod = flow.Imprimir(cmdId, MonthlyDeclaration {});
    ASSERT_FALSE(noPeriod);
    EXPECT_EQ(noPeriod.error(), qs("Debe tener ingresado el período que desea informar..."));
}

TEST_F(ArpDeclarationPrintTest, ThirtyOneDepositsPrintThirtyLinesAndOneWithTheHeadOnBothPages)
{
    withholding(qs("Proveedor SRL"), qs("20-11111111/2"), qs("001-123456/00"), qs("1"), QDate(2005, 3, 10),
        100000, 25000, 123456);
    for (int i = 0; i < 31; ++i)
        deposit(qs("Retención"), march, QDate(2005, 4, 1).addDays(i % 28),
            qs("%1").arg(100 + i, 7, 10, QChar(u'0')), 100 + i);
    // Another operation's deposit is not part of it.
    deposit(qs("Percepción"), march, QDate(2005, 4, 2), qs("0009999"), 999);
    const MonthlyDeclaration d = declare(AgentRegister::Retenciones, march, qs("0000815"), today);
    const auto data = readDeclaration(access, cmdId, d);
    ASSERT_TRUE(data) << data.error().toStdString();
    ArpDeclarationPages pages(*data);
    ASSERT_EQ(pages.pageCount(), 2);
    EXPECT_EQ(pages.documentName(), qs("Formulario IB16"));

    int lines[2] = {};
    for (int page = 0; page < 2; ++page) {
        PlacedTextRecorder texts;
        paint(pages, page, texts);
        for (const char* fixed : { "FORMULARIO IB16", "DECLARACION JURADA", "AGENTES  DE  RETENCION",
                 "PERIODO DE  LA  RETENCION:", "FECHA   DE   AR01", "IMPORTE   DEPOSITADO", "Comprobante N°",
                 "0000815", "03/2005", "Agente SA", "1234/1", "20-12345678/6", "901-123456/03" })
            EXPECT_TRUE(texts.find(qs(fixed))) << fixed << " on page " << page + 1;
        const PlacedText* number = texts.find(qs("0000815"));
        ASSERT_TRUE(number);
        EXPECT_NEAR(number->mm.x(), 157.1, 0.3);
        qreal previous = 0;
        for (const PlacedText& placed : texts.texts) {
            if (!QDate::fromString(placed.text, qs("dd/MM/yyyy")).isValid())
                continue;
            EXPECT_NEAR(placed.mm.x(), 31.4, 0.3);
            if (lines[page] > 0) {
                EXPECT_NEAR(placed.mm.y() - previous, 4.05, 0.05);
            }
            previous = placed.mm.y();
            ++lines[page];
        }
        // The totals are on the last page only.
        EXPECT_EQ(bool(texts.find(qs("1.234,56"))), page == 1);
    }
    EXPECT_EQ(lines[0], 30);
    EXPECT_EQ(lines[1], 1);
    EXPECT_EQ(data->totalDepositado, Money::fromUnits(31 * 100 + 465));
}
