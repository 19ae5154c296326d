#include "sid3/sid3printdata.h"
#include "sid3/sid3printrecord.h"
#include "sid3printfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using ventrix::test::activity;

namespace {

// The declaration of the golden record: two activities, all four registers, interest.
Sid3PrintData goldenData()
{
    Sid3PrintData data;
    Declaration& d = data.declaration;
    d.month = 3;
    d.year = 2003;
    d.tramite = 4;
    d.tramiteDescrip = QStringLiteral("Anticipo");
    d.ib = QStringLiteral("901-123456/78");
    d.cuit = QStringLiteral("20-12345678/6");
    d.gravado = Money::fromUnits(123450);
    d.noGravado = Money::fromUnits(10000);
    d.exento = Money::fromUnits(5000);
    data.lines = { activity(QStringLiteral("471110"), QStringLiteral("Almacén"), 350, 100000),
        activity(QStringLiteral("523290"), QStringLiteral("Regalos"), 250, 23450) };
    data.printed = *printedLines(data.lines);
    data.summary = CalculaImpuesto(data.lines, Money::fromUnits(7500));
    d.subTotalAgt = data.summary.totalComputable;
    d.registerTotal(Register::Retenciones) = { Money::fromUnits(1000), 1 };
    d.registerTotal(Register::Percepciones) = { Money::fromUnits(500), 2 };
    d.registerTotal(Register::Compensaciones) = { Money::fromUnits(300), 1 };
    d.saldoContrib = Calc_FavorContrib(d.registers);
    data.balance = computeBalance(d.subTotalAgt, d.saldoContrib);
    d.saldoAgt = data.balance.favorAgt;
    d.fhVto = QDate(2003, 4, 15);
    d.fechaPago = QDate(2003, 4, 20);
    d.interes = Money::fromUnits(171);
    d.importePagado = Money::fromUnits(5871);
    return data;
}

constexpr int Key08At = 2 + 9 + 11 + 4 + 6 + 2;

}

TEST(Sid3PrintRecord, GoldenRecordOfFixedInputs)
{
    const QString expected = QStringLiteral("D3"
                                            "000123456" // 00
                                            "90112345678" // 01
                                            "0303" // 02
                                            "150403" // 03
                                            "04" // 07
                                            "000138450" // 08
                                            "000015000" // 09
                                            "471110523290000000000000000000000000" // 11-16
                                            "000100000000023450000000000000000000000000000000000000" // 31-36
                                            "035002500000000000000000" // 41-46
                                            "000035000000058600000000000000000000000000000000" // 51-56
                                            "00004086" // 57
                                            "00007500" // 58
                                            "000007500" // 59
                                            "000001000" // 62
                                            "000000000" // 64
                                            "000005700" // 66
                                            "000000000" // 67
                                            "000000171" // 68
                                            "000005871" // 69
                                            "000000500" // 70
                                            "20123456786" // 71
                                            "000000300" // 72
                                            "000123450" // 73
                                            "000010000" // 74
                                            "000005000" // 75
                                            "00001" // 76
                                            "00002" // 77
                                            "00001" // 78
                                            "00000" // 79
                                            "200403"); // 80
    ASSERT_EQ(expected.size(), 375);
    const auto record = printRecord(goldenData(), QStringLiteral("000123456"));
    ASSERT_TRUE(record) << record.error().toStdString();
    EXPECT_EQ(*record, expected);
}

TEST(Sid3PrintRecord, TotalIncomeZeroGivesNineZerosInKey08)
{
    Sid3PrintData data = goldenData();
    data.declaration.gravado = Money();
    data.declaration.noGravado = Money();
    data.declaration.exento = Money();
    const auto fields = recordFields(data, QStringLiteral("000000001"));
    const auto key08
        = std::find_if(fields.begin(), fields.end(), [](const RecordField& f) { return f.key == u"08"; });
    ASSERT_NE(key08, fields.end());
    EXPECT_EQ(key08->shown, QString()); // the strip shows nothing
    const auto record = printRecord(fields);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->mid(Key08At, 9), QStringLiteral("000000000"));
    EXPECT_EQ(record->size(), 375);
}

TEST(Sid3PrintRecord, ValueWiderThanItsFieldRefusesTheRecordNamingTheField)
{
    Sid3PrintData data = goldenData();
    data.declaration.importePagado = Money::fromUnits(1234567890); // 12.345.678,90: ten digits
    auto record = printRecord(data, QStringLiteral("000123456"));
    ASSERT_FALSE(record);
    EXPECT_EQ(record.error(),
        QStringLiteral(
            "El valor de \"Importe depositado\" (clave 69) tiene 10 dígitos y el formulario admite 9: "
            "1234567890.\nNo se imprimió el formulario."));

    data = goldenData();
    data.printed[0].codigo = QStringLiteral("4711101"); // a code of seven digits
    record = printRecord(data, QStringLiteral("000123456"));
    ASSERT_FALSE(record);
    EXPECT_TRUE(record.error().startsWith(QStringLiteral("El valor de \"Actividad 1: código\" (clave 11)")));

    data = goldenData();
    data.declaration.interes = Money::fromUnits(-100);
    record = printRecord(data, QStringLiteral("000123456"));
    ASSERT_FALSE(record);
    EXPECT_TRUE(record.error().contains(QStringLiteral("(clave 68) es negativo")));
}

TEST(Sid3PrintRecord, EightActivitiesAtTwoRatesPrintTwoGroupedLines)
{
    const auto printed = printedLines(ventrix::test::eightActivities());
    ASSERT_TRUE(printed);
    ASSERT_EQ(printed->size(), 2);
    // Lines 2, 5 and 8 are at 2,50 %, the other five at 3,50 %; ascending by rate.
    const PrintedLine& low = printed->at(0);
    EXPECT_EQ(low.alicuota, Rate::fromUnits(250));
    EXPECT_EQ(low.codigo, QStringLiteral("471111"));
    EXPECT_EQ(low.denominacion, QStringLiteral("Actividad número 2")); // without "Com1:"
    EXPECT_EQ(low.base, Money::fromUnits(101000 + 104000 + 107000));
    EXPECT_EQ(low.impuesto, Money::fromUnits(2525 + 2600 + 2675));
    EXPECT_EQ(low.minimo, Money::fromUnits(8200));
    const PrintedLine& high = printed->at(1);
    EXPECT_EQ(high.alicuota, Rate::fromUnits(350));
    EXPECT_EQ(high.codigo, QStringLiteral("471110"));
    EXPECT_EQ(high.base, Money::fromUnits(100000 + 102000 + 103000 + 105000 + 106000));
    EXPECT_EQ(high.impuesto, Money::fromUnits(3500 + 3570 + 3605 + 3675 + 3710));

    // Six lines or fewer print as stored, tag included.
    const QList<ActivityLine> six = ventrix::test::eightActivities().mid(0, 6);
    const auto asStored = printedLines(six);
    ASSERT_TRUE(asStored);
    ASSERT_EQ(asStored->size(), 6);
    EXPECT_EQ(asStored->at(1).denominacion, QStringLiteral("Com1:Actividad número 2"));

    // Seven rates among more than six lines cannot be printed on six lines.
    QList<ActivityLine> many;
    for (int i = 0; i < 7; ++i)
        many.append(activity(QStringLiteral("47111%1").arg(i), QStringLiteral("A"), 100 + 50 * i, 1000));
    const auto refused = printedLines(many);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
        QStringLiteral(
            "Las actividades tienen 7 alícuotas distintas y el formulario admite 6 renglones agrupados "
            "por alícuota.\nNo se imprimió el formulario."));
}

TEST(Sid3PrintRecord, GroupedLinesFillTheRecordsActivityKeys)
{
    Sid3PrintData data = goldenData();
    data.lines = ventrix::test::eightActivities();
    data.printed = *printedLines(data.lines);
    const auto record = printRecord(data, QStringLiteral("000123456"));
    ASSERT_TRUE(record);
    const int codesAt = Key08At + 9 + 9;
    EXPECT_EQ(record->mid(codesAt, 36), QStringLiteral("471111471110000000000000000000000000"));
    EXPECT_EQ(record->mid(codesAt + 36 + 54, 24), QStringLiteral("025003500000000000000000"));
}

TEST(Sid3PrintRecord, ReadBackGivesTheFieldsAndRefusesBrokenRecords)
{
    const QString record = *printRecord(goldenData(), QStringLiteral("000123456"));
    const auto fields = readPrintRecord(record);
    ASSERT_TRUE(fields) << fields.error().toStdString();
    ASSERT_EQ(fields->size(), 1 + 7 + 24 + 20);
    const auto value = [&](const QString& key) -> QString {
        for (const ReadField& f : *fields) {
            if (f.key == key)
                return f.label + QStringLiteral(": ") + f.value;
        }
        return QString();
    };
    EXPECT_EQ(value(QStringLiteral("01")), QStringLiteral("Nº de I.S.I.B.: 901-123456/78"));
    EXPECT_EQ(value(QStringLiteral("02")), QStringLiteral("Período: 03/03"));
    EXPECT_EQ(value(QStringLiteral("41")), QStringLiteral("Actividad 1: alícuota: 3,50"));
    EXPECT_EQ(value(QStringLiteral("08")), QStringLiteral("Total de ingresos del período: 1.384,50"));
    EXPECT_EQ(value(QStringLiteral("71")), QStringLiteral("C.U.I.T.: 20-12345678/6"));
    EXPECT_EQ(value(QStringLiteral("80")), QStringLiteral("Fecha de pago: 20/04/03"));

    EXPECT_FALSE(readPrintRecord(record.left(374)));
    EXPECT_FALSE(readPrintRecord(QStringLiteral("D4") + record.mid(2)));
    QString letter = record;
    letter[100] = u'x';
    EXPECT_FALSE(readPrintRecord(letter));
    QString month13 = record;
    month13.replace(2 + 9 + 11, 2, QStringLiteral("13"));
    EXPECT_EQ(readPrintRecord(month13).error(), QStringLiteral("el mes 13 del período no existe"));
}

TEST(Sid3PrintRecord, ComprobanteIsDrawnFromOneToNineNines)
{
    ventrix::test::ScriptedRandom random({ 42, 999999999 });
    EXPECT_EQ(comprobanteText(drawComprobante()), QStringLiteral("000000042"));
    EXPECT_EQ(random.lastRange, std::make_pair(quint64(1), quint64(999999999)));
    EXPECT_EQ(comprobanteText(drawComprobante()), QStringLiteral("999999999"));
}
