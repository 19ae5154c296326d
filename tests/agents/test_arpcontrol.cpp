#include "agents/arpcontrol.h"
#include "agents/externaldeclarationfile.h"
#include "arpdeclarationfixture.h"
#include "common/print/pagecanvas.h"

#include <QAbstractItemModelTester>
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

class ArpControlTest : public ::testing::Test, public ArpDeclarationFixture
{
protected:
    const ArpPeriod february = periodOf(QDate(2005, 2, 1));
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));

    void fillMarch()
    {
        withholding(qs("Tardío SA"), {}, {}, {}, QDate(2005, 2, 27), 20000, 25000, 500);
        withholding(qs("Proveedor SRL"), {}, {}, {}, QDate(2005, 3, 10), 100000, 25000, 2500);
        withholding(qs("Devolución SA"), {}, {}, {}, QDate(2005, 3, 20), -40000, 25000, -1000);
        deposit(qs("Retención"), march, QDate(2005, 4, 14), qs("0004711"), 1500);
    }
};

}

TEST(ArpControl, CaptionsNameTheRegisterAndBothEndsOfThePeriod)
{
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));
    EXPECT_EQ(controlCaption(AgentRegister::Retenciones, march),
        qs("Registro de liquidaciones de Retenciones del período 01/03/2005 hasta 31/03/2005"));
    EXPECT_EQ(controlCaption(AgentRegister::Percepciones, march),
        qs("Registro de Percepciones del período 01/03/2005 hasta 31/03/2005"));
}

TEST_F(ArpControlTest, TheMonthShowsItsRowsMarksAndTotals)
{
    fillMarch();
    declare(AgentRegister::Retenciones, march, qs("0000815"), QDate(2005, 4, 5));
    const auto month = readControlMonth(access, cmdId, RegisterKind::retenciones(), march);
    ASSERT_TRUE(month) << month.error().toStdString();
    ASSERT_EQ(month->rows.size(), 2); // the late row of February belongs to its own month
    EXPECT_EQ(month->sumImporte, Money::fromUnits(1500));
    EXPECT_EQ(month->sumBase, Money::fromUnits(60000));

    ControlModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setMonth(*month);
    const auto at
        = [&model](int row, ControlModel::Column c) { return model.index(row, c).data().toString(); };
    EXPECT_EQ(at(0, ControlModel::Contribuyente), qs("Proveedor SRL"));
    EXPECT_EQ(at(0, ControlModel::Fecha), qs("10/03/2005"));
    EXPECT_EQ(at(0, ControlModel::Base), qs("1.000,00"));
    EXPECT_EQ(at(0, ControlModel::Alicuota), qs("2,5000"));
    EXPECT_EQ(at(1, ControlModel::Importe), qs("-10,00"));
    EXPECT_EQ(at(1, ControlModel::DDJJ), qs("05/04/2005"));
    EXPECT_EQ(at(1, ControlModel::NumDDJJ), qs("0000815"));

    // February's row was taken in late: no declaration day of its own, the out-period instead.
    const auto feb = readControlMonth(access, cmdId, RegisterKind::retenciones(), february);
    ASSERT_TRUE(feb && feb->rows.size() == 1);
    EXPECT_EQ(ControlModel::cell(feb->rows.at(0), ControlModel::DDJJ), QString());
    EXPECT_EQ(ControlModel::cell(feb->rows.at(0), ControlModel::OtraDDJJ), qs("03/2005"));
    EXPECT_EQ(ControlModel::cell(feb->rows.at(0), ControlModel::NumDDJJ), qs("0000815"));
}

TEST_F(ArpControlTest, ConstanciasReportHasItsColumnsAndATotalsRow)
{
    const QList<print::PageTable::Column> columns = ConstanciasReport::columns();
    ASSERT_EQ(columns.size(), 7);
    const QList<std::pair<int, print::ColumnAlign>> twips { { 2700, print::ColumnAlign::Left },
        { 1200, print::ColumnAlign::Centre }, { 1500, print::ColumnAlign::Right },
        { 1000, print::ColumnAlign::Right }, { 1200, print::ColumnAlign::Right },
        { 1200, print::ColumnAlign::Centre }, { 1200, print::ColumnAlign::Centre } };
    QStringList headings;
    for (int i = 0; i < 7; ++i) {
        EXPECT_NEAR(columns.at(i).widthMm, twips.at(i).first * 25.4 / 1440, 1e-9) << i;
        EXPECT_EQ(columns.at(i).align, twips.at(i).second) << i;
        headings << columns.at(i).heading;
    }
    EXPECT_EQ(headings.join(u'|'), qs("Contribuyente|Fecha|Base Imponible|Alicuota|Importe|DDJJ|Otra DDJJ"));

    fillMarch();
    declare(AgentRegister::Retenciones, march, qs("0000815"), QDate(2005, 4, 5));
    const auto month = readControlMonth(access, cmdId, RegisterKind::retenciones(), march);
    ASSERT_TRUE(month);
    ConstanciasReport report(*month);
    ASSERT_EQ(report.pageCount(), 1);
    PlacedTextRecorder device;
    {
        QPainter painter(&device);
        print::PageCanvas canvas(painter);
        report.paintPage(0, canvas);
    }
    const QStringList texts = device.plain();
    EXPECT_EQ(texts.first(), qs("Constancias"));
    const qsizetype totals = texts.indexOf(qs("Totales"));
    ASSERT_GE(totals, 0);
    EXPECT_EQ(texts.mid(totals), (QStringList { qs("Totales"), qs("600,00"), qs("15,00") }));
    EXPECT_TRUE(texts.contains(qs("05/04/2005")));
    // The left margin is 1.8 cm.
    EXPECT_NEAR(device.find(qs("Constancias"))->mm.x(), 18.0, 0.3);
}

TEST_F(ArpControlTest, TheRegisterOfADeclarationIsFoundByItsNumber)
{
    fillMarch();
    perception(qs("Cliente"), {}, {}, {}, QDate(2005, 3, 3), 100, 100, 100);
    deposit(qs("Percepción"), march, QDate(2005, 4, 14), qs("0004712"), 100);
    declare(AgentRegister::Retenciones, march, qs("0000815"), QDate(2005, 4, 5));
    declare(AgentRegister::Percepciones, march, qs("0000816"), QDate(2005, 4, 5));
    EXPECT_EQ(registerOfDeclaration(access, cmdId, qs("0000815")).value(), AgentRegister::Retenciones);
    EXPECT_EQ(registerOfDeclaration(access, cmdId, qs("0000816")).value(), AgentRegister::Percepciones);
    EXPECT_FALSE(registerOfDeclaration(access, cmdId, qs("0000817")).value());
    EXPECT_FALSE(registerOfDeclaration(access, cmdId + 1, qs("0000815")).value()); // another taxpayer's
}

TEST(ExternalDeclarationFile, IsScrambledLineByLineWithTheNumberFromTheFile)
{
    QTemporaryDir dir;
    const QByteArray first = "12341"
                             "0000815"
                             "1"
                             "000000000001500"
        + QByteArray(42, ' ');
    const QByteArray second = "12341"
                              "0000815"
                              "2"
                              "00112345600"
                              "20111111112"
                              "0001234"
                              "100305"
                              "025000"
                              "000000000002500"
                              " ";
    const QString plain = dir.filePath(qs("ib16.txt"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(first + "\n" + second + "\r\n");
    }
    EXPECT_EQ(numberInPlainFile(first + "\n"), qs("0000815"));
    EXPECT_EQ(numberInPlainFile("1234"), QString());
    EXPECT_EQ(declarationNumber(qs(" 815 ")).value_or(QString()), qs("0000815"));
    EXPECT_FALSE(declarationNumber(qs("12345678")));
    EXPECT_FALSE(declarationNumber(qs("0")));
    EXPECT_FALSE(declarationNumber(qs("81a")));

    const QString archivos = dir.filePath(qs("Archivos"));
    const auto written = encryptExternalFile(plain, archivos, AgentRegister::Retenciones, qs("0000815"));
    ASSERT_TRUE(written) << written.error().toStdString();
    EXPECT_EQ(QFileInfo(*written).fileName(), qs("IB16_0000815.txt"));
    QFile out(*written);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), scrambledFile({ first, second }, "0000815"));

    const auto missing = encryptExternalFile(
        dir.filePath(qs("no.txt")), archivos, AgentRegister::Percepciones, qs("0000816"));
    EXPECT_FALSE(missing);
    EXPECT_FALSE(QFile::exists(QDir(archivos).filePath(qs("AP02_0000816.txt"))));
}
