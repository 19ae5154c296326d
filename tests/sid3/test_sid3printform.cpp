#include "cli/cli.h"
#include "common/print/barcodecheck.h"
#include "common/print/pageoutput.h"
#include "common/scrambler.h"
#include "scriptedmessages.h"
#include "sid3/sid3delivery.h"
#include "sid3/sid3printflow.h"
#include "sid3printfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using ventrix::test::ScriptedRandom;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int runCli(const QStringList& args, QString* out, QString* err)
{
    QTextStream o(out);
    QTextStream e(err);
    const int code = cli::run(args, o, e);
    o.flush();
    e.flush();
    return code;
}

}

TEST(Sid3PrintForm, FormPageBarcodeDecodesToTheRecordAt300Dpi)
{
    test::Sid3PrintFixture f;
    const qint64 sidId = f.storeDeclaration(test::eightActivities(), { 2, 1, 0, 3 });
    ScriptedRandom random({ 123456 });
    auto form = Sid3PrintFlow::prepare(f.access, f.cmdId, sidId);
    ASSERT_TRUE(form) << form.error().toStdString();
    const QString record = (*form)->record();
    EXPECT_EQ(record.size(), 375);
    EXPECT_EQ(record.mid(2, 9), QStringLiteral("000123456"));
    EXPECT_EQ((*form)->comprobante(), QStringLiteral("000123456"));
    EXPECT_EQ(print::readBarcodes(print::PageOutput::renderPage(**form, 0, 300)), QStringList { record });
    // The symbol stays on the sheet and reads back at both of its scales.
    EXPECT_EQ(print::PageOutput::check(**form, 300), QString());
    EXPECT_EQ(print::PageOutput::check(**form, 200), QString());
}

TEST(Sid3PrintForm, AnnexPagesFollowTheRegistersWithRecordsInOrder)
{
    test::Sid3PrintFixture f;
    // 40 withholdings take two pages; no perceptions; compensations and other payments one each.
    const qint64 sidId = f.storeDeclaration(test::eightActivities(), { 40, 0, 1, 2 });
    auto form = Sid3PrintFlow::prepare(f.access, f.cmdId, sidId);
    ASSERT_TRUE(form);
    ASSERT_EQ((*form)->pageCount(), 5);
    EXPECT_EQ((*form)->annexRegister(1), Register::Retenciones);
    EXPECT_EQ((*form)->annexRegister(2), Register::Retenciones);
    EXPECT_EQ((*form)->annexRegister(3), Register::Compensaciones);
    EXPECT_EQ((*form)->annexRegister(4), Register::PagoACuenta);
    EXPECT_EQ(Sid3PrintForm::annexTitle(Register::PagoACuenta),
        QStringLiteral("D E T A L L E    D E    P A G O S    A    C U E N T A"));
    EXPECT_EQ(print::PageOutput::check(**form, 300), QString());
    for (int page = 1; page < 5; ++page)
        EXPECT_FALSE(print::PageOutput::renderPage(**form, page, 60).isNull());
}

TEST(Sid3PrintForm, DeclarationOfAnotherTaxpayerIsRefused)
{
    test::Sid3PrintFixture f;
    const qint64 sidId = f.storeDeclaration(test::eightActivities());
    const auto form = Sid3PrintFlow::prepare(f.access, f.cmdId + 1, sidId);
    ASSERT_FALSE(form);
    EXPECT_EQ(form.error(),
        QStringLiteral("La declaración %1 no pertenece al contribuyente %2.").arg(sidId).arg(f.cmdId + 1));
}

TEST(Sid3Delivery, FileIsTheScrambledRecordThenAPlainCrLf)
{
    const QString record = QStringLiteral("D3") + QString(373, u'7');
    const QByteArray bytes = deliveryBytes(record, QStringLiteral("000123456"));
    ASSERT_EQ(bytes.size(), 377);
    // "D" + "0" + 50 and "3" + "0" + 50: the key starts at its second character.
    EXPECT_EQ(bytes.left(2), QByteArray::fromHex("a695"));
    EXPECT_NE(bytes.at(0), 'D');
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(Desencripta(bytes.left(375), "000123456"), record.toLatin1());
    const auto back = readDeliveryRecord(bytes, QStringLiteral("000123456"));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, record);

    QTemporaryDir dir;
    const QString archivos = dir.filePath(QStringLiteral("Archivos"));
    const auto first = Diskette_Sid3(archivos, QStringLiteral("000123456"), record);
    const auto second = Diskette_Sid3(archivos, QStringLiteral("000654321"), record);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, QDir(archivos).filePath(QStringLiteral("CP03SID3_000123456.txt")));
    EXPECT_EQ(readAll(*first), bytes);
    EXPECT_EQ(QDir(archivos).entryList(QDir::Files),
        (QStringList { QStringLiteral("CP03SID3_000123456.txt"), QStringLiteral("CP03SID3_000654321.txt") }));

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const auto refused
        = Diskette_Sid3(dir.filePath(QStringLiteral("file/Archivos")), QStringLiteral("1"), record);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().startsWith(QStringLiteral("No se pudo escribir el archivo de entrega")));
}

TEST(Sid3Delivery, PrintCommandWritesPdfAndFileThatCheckDeliveryReads)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("datos"));
    QString out;
    QString err;
    ASSERT_EQ(runCli({ QStringLiteral("--data-dir"), folder, QStringLiteral("init") }, &out, &err), 0)
        << err.toStdString();
    qint64 cmdId = 0;
    qint64 sidId = 0;
    {
        data::Database database;
        ASSERT_TRUE(database.open(QDir(folder).filePath(QStringLiteral("Impuest.db"))).ok());
        data::AccesoDatos access(database.connection());
        cmdId = test::insertRow(database.connection(),
            QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { QStringLiteral("Peña Ana") });
        const qint64 cp01 = test::insertRow(database.connection(),
            QStringLiteral(
                "INSERT INTO Form_Cp01 (CMD_ID, CP01_Contribuyente, CP01_CUIT, CP01_IngBrut) VALUES "
                "(?, ?, ?, ?)"),
            { cmdId, QStringLiteral("Peña Ana"), QStringLiteral("20-12345678/6"),
                QStringLiteral("901-123456/78") });
        Declaration d;
        d.cp01Id = cp01;
        d.month = 3;
        d.year = 2003;
        d.tramite = 4;
        d.fhVto = QDate(2003, 4, 15);
        d.fechaPago = QDate(2003, 4, 20);
        QList<ActivityLine> lines { test::activity(
            QStringLiteral("471110"), QStringLiteral("Almacén"), 350, 100000) };
        ASSERT_TRUE(Sid3Store(access).Guardar_Sid3(d, lines));
        sidId = d.id;
    }
    const QString pdf = dir.filePath(QStringLiteral("sid3.pdf"));
    ASSERT_EQ(
        runCli({ QStringLiteral("--data-dir"), folder, QStringLiteral("print"), QStringLiteral("sid3"),
                   QStringLiteral("--taxpayer"), QString::number(cmdId), QStringLiteral("--declaration"),
                   QString::number(sidId), QStringLiteral("--pdf"), pdf },
            &out, &err),
        0)
        << err.toStdString();
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));
    const QStringList files = QDir(QDir(folder).filePath(QStringLiteral("Archivos"))).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    const QString delivery = QDir(folder).filePath(QStringLiteral("Archivos/") + files.front());

    out.clear();
    ASSERT_EQ(runCli({ QStringLiteral("check-delivery"), delivery }, &out, &err), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("  31 Actividad 1: base imponible: 1.000,00\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("  80 Fecha de pago: 20/04/03\n")));

    // One byte changed, a wrong key in the name, a cut file: each refused with its reason.
    QByteArray bytes = readAll(delivery);
    bytes[40] = char(bytes[40] + 20); // a digit becomes a letter
    const QString tampered = dir.filePath(files.front());
    QFile t(tampered);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write(bytes);
    t.close();
    err.clear();
    EXPECT_EQ(runCli({ QStringLiteral("check-delivery"), tampered }, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("no es un dígito"))) << err.toStdString();
    const QString renamed = dir.filePath(QStringLiteral("CP03SID3_000000001.txt"));
    ASSERT_TRUE(QFile::copy(delivery, renamed));
    err.clear();
    EXPECT_EQ(runCli({ QStringLiteral("check-delivery"), renamed }, &out, &err), 1);
    const QString other = dir.filePath(QStringLiteral("CP03SID3.txt"));
    ASSERT_TRUE(QFile::copy(delivery, other));
    err.clear();
    EXPECT_EQ(runCli({ QStringLiteral("check-delivery"), other }, &out, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("su nombre no es el de ningún formulario conocido")));
}
