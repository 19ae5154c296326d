#include "fixtures.h"
#include "sid3/registerimport.h"
#include "sid3/sid3messages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

TEST(RegisterImport, ReadsTheFieldsOfAWellFormedFile)
{
    const ImportFile file = parseImportFile(fixtureBytes(QStringLiteral("sid3/registros_validos.txt")));
    ASSERT_EQ(file.lineCount(), 5); // the two blank lines are skipped
    EXPECT_EQ(file.acceptedCount(), 3);

    const ImportedRecord& first = file.records[0];
    EXPECT_EQ(first.fecha, QDate(2003, 3, 5));
    // Quotes disappear and apostrophes become "´"; the Windows code page is read as such.
    EXPECT_EQ(first.concepto, QStringLiteral("Retención factura 0001"));
    EXPECT_EQ(first.responsable, QStringLiteral("Compañía O´Brien S.A."));
    EXPECT_EQ(first.monto->toPlain(), QStringLiteral("150.25"));
    EXPECT_EQ(first.cuit, QStringLiteral("20-12345678/6"));
    EXPECT_TRUE(first.accepted());

    // An invalid CUIT does not reject the line: it is stored empty.
    const ImportedRecord& second = file.records[1];
    EXPECT_EQ(second.monto->toPlain(), QStringLiteral("1234.50"));
    EXPECT_FALSE(second.cuitChecked);
    EXPECT_TRUE(second.cuit.isEmpty());
    EXPECT_TRUE(second.accepted());

    EXPECT_FALSE(file.records[2].accepted()); // amount 0
    EXPECT_FALSE(file.records[3].accepted()); // no date

    // Texts are cut to 50 characters; the CUIT's separators may be any character.
    const ImportedRecord& last = file.records[4];
    EXPECT_EQ(last.concepto, QString(50, u'C'));
    EXPECT_EQ(last.responsable, QString(50, u'R'));
    EXPECT_EQ(last.cuit, QStringLiteral("20-12345678/6"));
}

TEST(RegisterImport, MalformedLinesAreRejectedNotGuessed)
{
    const ImportFile file = parseImportFile(fixtureBytes(QStringLiteral("sid3/registros_malformados.txt")));
    ASSERT_EQ(file.lineCount(), 8);
    EXPECT_FALSE(file.records[0].fecha.isValid()); // 31/02
    EXPECT_FALSE(file.records[1].monto); // words
    EXPECT_FALSE(file.records[2].monto); // too large to hold
    EXPECT_FALSE(file.records[3].monto); // three decimals
    EXPECT_FALSE(file.records[4].accepted()); // date only
    EXPECT_FALSE(file.records[5].accepted()); // separators only
    EXPECT_TRUE(file.records[6].accepted());
    EXPECT_TRUE(file.records[6].cuit.isEmpty()); // too short to check
    EXPECT_EQ(file.acceptedCount(), 2);
}

TEST(RegisterImport, CuitCheckDigit)
{
    EXPECT_TRUE(importCuitValid(u"20-12345678-6"));
    EXPECT_TRUE(importCuitValid(u"20 12345678 6"));
    EXPECT_FALSE(importCuitValid(u"20-12345678-5"));
    EXPECT_FALSE(importCuitValid(u"20-1234567a-6"));
    EXPECT_FALSE(importCuitValid(u"20-12345678-"));
    EXPECT_FALSE(importCuitValid(u""));
}

TEST(RegisterImport, LateReceiptLimitIsLongerForWithholdings)
{
    EXPECT_EQ(registerDateLimit(Register::Retenciones, 3, 2003), QDate(2003, 4, 15));
    EXPECT_EQ(registerDateLimit(Register::Percepciones, 3, 2003), QDate(2003, 3, 31));
    EXPECT_EQ(registerDateLimit(Register::PagoACuenta, 2, 2004), QDate(2004, 2, 29));
}

TEST(RegisterImport, EmptyBinaryUtf8AndLargeFiles)
{
    EXPECT_EQ(parseImportFile({}).lineCount(), 0);
    EXPECT_EQ(importFigures({}), ImportFigures {});

    // Bytes that are no text give records without a date: each one rejected, none guessed.
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(static_cast<char>((i * 37) % 256));
    const ImportFile junk = parseImportFile(binary);
    EXPECT_GT(junk.lineCount(), 0);
    EXPECT_EQ(junk.acceptedCount(), 0);

    // UTF-8 with LF line ends reads as the same record as Windows-1252 with CR LF.
    const QByteArray utf8
        = QStringLiteral("05/03/2003\tRetención\t10,50\tCompañía\t20-12345678-6\n").toUtf8();
    QByteArray cp1252 = utf8;
    cp1252.replace("\xc3\xb3", "\xf3")
        .replace("\xc3\xb1", "\xf1")
        .replace("\xc3\xad", "\xed")
        .replace("\n", "\r\n");
    const ImportFile a = parseImportFile(utf8);
    const ImportFile b = parseImportFile(cp1252);
    ASSERT_EQ(a.lineCount(), 1);
    EXPECT_EQ(a.records, b.records);
    EXPECT_EQ(a.records[0].responsable, QStringLiteral("Compañía"));

    QByteArray large;
    for (int i = 0; i < 200000; ++i)
        large += "05/03/2003\tRecibo\t1.50\tAgente\t20-12345678-6\r\n";
    const ImportFile many = parseImportFile(large);
    EXPECT_EQ(many.lineCount(), 200000);
    EXPECT_EQ(many.acceptedCount(), 200000);
}

TEST(RegisterImport, FiguresOfTheFileAndRemainingTime)
{
    const QByteArray bytes("abcd\r\n\r\n   \r\nabcdefgh\r\n");
    const ImportFigures f = importFigures(bytes);
    EXPECT_EQ(f.count, 2);
    EXPECT_EQ(f.averageLength, 6);
    EXPECT_EQ(f.size, bytes.size());
    EXPECT_EQ(msg::cifrasArchivo(f.count, f.averageLength, f.size),
        QStringLiteral(
            "Total de registros = 2\nLong. Promedio Reg. = 6 caracteres\nLong. Archivo = 23 bytes "));

    EXPECT_EQ(remainingTime(2000, 100, 400), QStringLiteral("06 seg."));
    EXPECT_EQ(remainingTime(2000, 0, 400), QStringLiteral("00 seg."));
    EXPECT_EQ(remainingTime(60000, 1, 4), QStringLiteral("180 seg."));
}
