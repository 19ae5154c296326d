#include "common/cp1252.h"
#include "common/print/barcodecheck.h"
#include "common/print/pageoutput.h"
#include "common/scrambler.h"
#include "cp01/cp01delivery.h"
#include "cp01/cp01pagerecord.h"
#include "cp01/cp01pages.h"
#include "cp01/cp01printform.h"
#include "cp01printfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

const QString Receipt = QStringLiteral("000001234");

const QString Premises1Values
    = QStringLiteral("1|1-2-2003|Almacén Peña|4225678|San Martín|450||||||Capital|0381|5000|"
                     "621013|Venta al por menor en almacenes|1-2-2003||"
                     "624101|Venta al por menor de carnes|5-3-2003|31-12-2005|");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The authority's scrambling written out once more, independently of the program's.
QByteArray scrambledLine(const QString& record, const QByteArray& key)
{
    const QByteArray plain = toCp1252(record);
    QByteArray out(plain.size(), '\0');
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const int k = quint8(key.at((i + 1) % key.size()));
        out[i] = char((quint8(plain.at(i)) + k + 50) % 256);
    }
    return out + "\r\n";
}

// A company whose page 1 record runs past 2,700 characters: every responsible person and
// activity filled with the longest texts their columns hold.
Cp01Record longProcedure()
{
    Cp01Record r = legalPersonProcedure();
    for (int n = 1; n <= 5; ++n) {
        r.set(col::responsible(n, QStringLiteral("ApellidoNombre")),
            QString(QStringLiteral("Peña %1 ").arg(n) + QString(93, QChar(u'a' + n))));
        r.set(col::responsible(n, QStringLiteral("Domicilio")), QString(100, QChar(u'M' + n)));
        r.set(col::responsible(n, QStringLiteral("Localidad")), QString(100, QChar(u'L')));
    }
    for (int i = 0; i < ActivityTable::Rows; ++i)
        r.premisesActivities(1).row(i) = printedActivity(QString::number(621013 + i),
            QString(
                QStringLiteral("Venta al por menor de productos de almacén %1 ").arg(i) + QString(105, u'x')),
            QDate(2003, 2, 1));
    return r;
}

// The foot of a sheet scanned at 300 dpi, where the counter's reader is aimed: from 24 cm down.
QImage foot(const QImage& page)
{
    const int top = int(240 / 25.4 * 300);
    return page.copy(0, top, page.width(), page.height() - top);
}

QString labelAt(const Cp01Page& page, qreal x, qreal y)
{
    for (const TemplateItem& item : page.layout) {
        if (qFuzzyCompare(item.rect.left(), x) && qFuzzyCompare(item.rect.top(), y))
            return item.text;
    }
    return {};
}

}

TEST(Cp01PageRecord, ReceiptNumbersDatesAndTheClosingMarks)
{
    {
        ScriptedNumbers numbers({ 1234, 9999999999ULL, 1 });
        EXPECT_EQ(drawReceiptNumber(), QStringLiteral("000001234"));
        EXPECT_EQ(drawReceiptNumber(), QStringLiteral("9999999999"));
        EXPECT_EQ(drawReceiptNumber(), QStringLiteral("000000001"));
        EXPECT_EQ(numbers.asked.front(), (std::pair<quint64, quint64> { 1, 9999999999ULL }));
    }
    EXPECT_EQ(recordDate(QDate(2003, 3, 5)), QStringLiteral("5-3-2003"));
    EXPECT_EQ(recordDate(QDate(2005, 12, 31)), QStringLiteral("31-12-2005"));
    EXPECT_EQ(recordDate(QDate()), QString());

    const QString under(2699, u'a');
    EXPECT_EQ(closePageRecord(under), under + QStringLiteral("V1.0||OK"));
    const QString at(2700, u'b');
    EXPECT_EQ(closePageRecord(at), at + QStringLiteral("|FDatV1.0|"));
    const QString over = at + QStringLiteral("ccc|");
    EXPECT_EQ(closePageRecord(over), at + QStringLiteral("|FDatV1.0|"));
}

TEST(Cp01Pages, ANaturalPersonWithOnePremisesPrintsOnePageInTheAuthoritysOrder)
{
    const QList<Cp01Page> pages = procedurePages(naturalPersonProcedure(), Receipt);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].closedRecord(),
        QStringLiteral("000001234|1 - Inscripción|20-12345678/6|901-123456/03|FISICAS|"
                       "DNI|12345678|Peña ÁLVAREZ, José|Argentina|M|5-3-1970|Casado|"
                       "1234|56|7|Responsable Inscripto|2001|15-6-2001|31/12|"
                       "Belgrano|123|||2|B||"
                       "4221234|Capital|5000|VALDERA|pena@example.com|")
            + Premises1Values + QStringLiteral("V1.0||OK"));
    EXPECT_EQ(labelAt(pages[0], 100.5, 285.3), QStringLiteral(" Página 1 de"));
    EXPECT_EQ(labelAt(pages[0], 117.8, 285.3), QStringLiteral("1"));
    // The values the authority places: receipt, procedure, CUIT, I.S.I.B. number.
    const QList<QPointF> fixed { { 156.9, 11.1 }, { 147.7, 27.3 }, { 150, 33.6 }, { 150, 37.8 } };
    for (int i = 0; i < fixed.size(); ++i)
        EXPECT_EQ(QPointF(pages[0].values[i].x, pages[0].values[i].y), fixed[i]) << i;
}

TEST(Cp01Pages, ACompanyPrintsItsResponsiblesAndASecondPageForPremises2And3)
{
    Cp01Record company = legalPersonProcedure();
    // A CUIT field left as its bare mask is an empty value.
    company.set(col::responsible(3, QStringLiteral("CUIT")), QStringLiteral("__-________/_"));
    const QList<Cp01Page> pages = procedurePages(company, Receipt);
    ASSERT_EQ(pages.size(), 2);
    const QString head = QStringLiteral("000001234|5 - Alta/Baja Actividades|20-12345678/6|901-123456/03|");
    EXPECT_EQ(pages[0].closedRecord(),
        head
            + QStringLiteral("JURIDICAS|La Esquina S.R.L.|99|2 - Sociedad de Responsabilidad Limitada|"
                             "1234|56|7|Responsable Inscripto|2001|15-6-2001|31/12|"
                             "Belgrano|123|||2|B||"
                             "Núñez Carlos|Mitre 77|DNI 20111222|Socio Gerente|Conjunta|"
                             "Gómez Ana|Sarmiento|LC 4555666||Conjunta|"
                             "||1|||Capital|VALDERA|20-20111222/1|"
                             "||||||||"
                             "4221234|Capital|5000|VALDERA|pena@example.com|")
            + Premises1Values + QStringLiteral("V1.0||OK"));
    EXPECT_EQ(pages[1].closedRecord(),
        head + QString(14, u'|') + QStringLiteral("3|4-1-2010|Depósito|") + QString(11, u'|')
            + QStringLiteral("711000|Transporte de cargas|4-1-2010||V1.0||OK"));
    EXPECT_EQ(labelAt(pages[0], 117.8, 285.3), QStringLiteral("2"));
    EXPECT_EQ(labelAt(pages[1], 100.5, 285.3), QStringLiteral(" Página 2 de 2"));
    // Responsible persons' lines 0.405 cm apart.
    const auto name = std::find_if(pages[0].values.cbegin(), pages[0].values.cend(),
        [](const PageValue& v) { return v.text == QStringLiteral("Gómez Ana"); });
    ASSERT_NE(name, pages[0].values.cend());
    EXPECT_NEAR((name - 5)->y + 0.405 * 10, name->y, 1e-9);
}

TEST(Cp01Pages, ARecordOf2700CharactersOrMoreIsCutAndMarked)
{
    const Cp01Page page = page1(longProcedure(), Receipt, 1);
    ASSERT_GE(page.record().size(), 2700);
    EXPECT_EQ(page.closedRecord(), page.record().left(2700) + QStringLiteral("|FDatV1.0|"));
}

// Every page's barcode, printed at 300 dpi, reads back as the closed record with its accents and
// eñes replaced, while the record itself keeps them.
TEST(Cp01PrintForm, EachPageBarcodeDecodesToItsRecord)
{
    QList<Cp01Page> pages = procedurePages(naturalPersonProcedure(), Receipt);
    pages << procedurePages(legalPersonProcedure(), Receipt);
    pages << page1(longProcedure(), Receipt, 1);
    Cp01PrintForm form(pages);
    for (int i = 0; i < form.pageCount(); ++i) {
        const print::ManchaLayout layout
            = print::layoutMancha(pages[i].closedRecord(), Cp01PrintForm::manchaPlacement());
        EXPECT_TRUE(layout.ok()) << i << layout.error.toStdString();
        const QStringList read = print::readBarcodes(foot(print::PageOutput::renderPage(form, i, 300)));
        ASSERT_EQ(read.size(), 1) << i;
        EXPECT_EQ(read.front(), print::manchaText(pages[i].closedRecord())) << i;
    }
    const QString first = print::readBarcodes(foot(print::PageOutput::renderPage(form, 0, 300))).value(0);
    EXPECT_NE(first.indexOf(QStringLiteral("|Pe#a ALVAREZ, Jose|")), -1);
    EXPECT_NE(first.indexOf(QStringLiteral("|Almacen Pe#a|")), -1);
    EXPECT_NE(pages[0].closedRecord().indexOf(QStringLiteral("|Peña ÁLVAREZ, José|")), -1);
    EXPECT_EQ(print::PageOutput::check(form, 600), QString());
}

TEST(Cp01Delivery, OneScrambledLinePerPageByteForByte)
{
    QTemporaryDir dir;
    const QString archivos = dir.filePath(QStringLiteral("Archivos"));
    const QList<Cp01Page> two = procedurePages(legalPersonProcedure(), Receipt);
    const QStringList records { two[0].closedRecord(), two[1].closedRecord() };
    const auto written = Diskette_CP01(archivos, Receipt, records);
    ASSERT_TRUE(written) << written.error().toStdString();
    EXPECT_EQ(*written, QDir(archivos).filePath(QStringLiteral("CP01_000001234.txt")));
    const QByteArray key = Receipt.toLatin1();
    EXPECT_EQ(readAll(*written), scrambledLine(records[0], key) + scrambledLine(records[1], key));

    // A procedure with only premises 1 replaces the file with a single line; its ñ is one byte.
    const QString only = procedurePages(naturalPersonProcedure(), Receipt).front().closedRecord();
    ASSERT_TRUE(Diskette_CP01(archivos, Receipt, { only }));
    const QByteArray bytes = readAll(*written);
    EXPECT_EQ(bytes, scrambledLine(only, key));
    EXPECT_EQ(bytes.count("\r\n"), 1);
    EXPECT_NE(Desencripta(bytes.chopped(2), key)
                  .indexOf(QByteArray("Pe\xF1"
                                      "a \xC1LVAREZ")),
        -1);
}

TEST(Cp01Delivery, CheckReadsTheFileBackAndRefusesWhatIsOff)
{
    QTemporaryDir dir;
    const QList<Cp01Page> two = procedurePages(legalPersonProcedure(), Receipt);
    const auto path = Diskette_CP01(dir.path(), Receipt, { two[0].closedRecord(), two[1].closedRecord() });
    ASSERT_TRUE(path);
    const auto read = checkCp01Delivery(*path);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->receipt, Receipt);
    ASSERT_EQ(read->pages.size(), 2);
    EXPECT_EQ(read->pages[1].record, two[1].closedRecord());
    EXPECT_EQ(read->pages[1].values.mid(0, 5),
        (QStringList { Receipt, QStringLiteral("5 - Alta/Baja Actividades"), QStringLiteral("20-12345678/6"),
            QStringLiteral("901-123456/03"), QString() }));
    EXPECT_EQ(read->pages[1].version, QStringLiteral("V1.0"));
    EXPECT_FALSE(read->pages[1].cut);
    EXPECT_EQ(describeCp01Delivery(*read).value(1), QStringLiteral("Trámite: 5 - Alta/Baja Actividades"));

    // A scrambled character pair may read CR LF: the line still ends at its real end. With key
    // 000000001, "«" and "¨" at the 13th and 14th places scramble to bytes 13 and 10.
    const QString tricky = QStringLiteral("000000001|ab«¨|20-12345678/6|901-123456/03|V1.0||OK");
    const auto trickyPath = Diskette_CP01(dir.path(), QStringLiteral("000000001"), { tricky, tricky });
    ASSERT_TRUE(trickyPath);
    ASSERT_EQ(readAll(*trickyPath).mid(12, 2), QByteArray("\r\n"));
    const auto trickyRead = checkCp01Delivery(*trickyPath);
    ASSERT_TRUE(trickyRead) << trickyRead.error().toStdString();
    EXPECT_EQ(trickyRead->pages.size(), 2);
    EXPECT_EQ(trickyRead->pages[0].values.value(1), QStringLiteral("ab«¨"));

    // Another number in the name, a cut file, a name that is no delivery file's.
    const QString renamed = dir.filePath(QStringLiteral("CP01_000001235.txt"));
    ASSERT_TRUE(QFile::copy(*path, renamed));
    EXPECT_FALSE(checkCp01Delivery(renamed));
    QFile cut(*path);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.size() - 5));
    cut.close();
    const auto cutRead = checkCp01Delivery(*path);
    ASSERT_FALSE(cutRead);
    EXPECT_NE(cutRead.error().indexOf(QStringLiteral("no es un archivo de entrega del CP01 válido")), -1);
    EXPECT_FALSE(checkCp01Delivery(dir.filePath(QStringLiteral("CP03SID3_000001234.txt"))));
}
