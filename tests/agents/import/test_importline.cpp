#include "agents/importline.h"

#include "importlines.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

class ImportLineTest : public ::testing::Test
{
protected:
    TestDatabase t;
    ImportFormat format = *ImportFormat::read(t.db(), RegisterKind::percepciones());
    ImportLine line { format };

    bool parse(const QByteArray& bytes)
    {
        return line.parse(std::string_view(bytes.constData(), bytes.size()));
    }
    std::string text(int column) const
    {
        const ImportValue& v = line.values()[static_cast<std::size_t>(column)];
        return v.kind == ImportValue::Kind::Text ? std::string(line.text(v)) : std::string();
    }
    qint64 number(int column) const { return line.values()[static_cast<std::size_t>(column)].number; }
    ImportValue::Kind kind(int column) const { return line.values()[static_cast<std::size_t>(column)].kind; }
};

}

TEST_F(ImportLineTest, FieldsFollowTheTableLessKeyInscriptionAndMarks)
{
    EXPECT_EQ(format.columnNames().join(u' '),
        QStringLiteral(
            "AgPer_NumAgPercep AgPer_Contribuyente AgPer_CUIT AgPer_IBrutos AgPer_Domicilio "
            "AgPer_DomNumero AgPer_Piso AgPer_Depto AgPer_Oficina AgPer_Monoblock AgPer_Planta "
            "AgPer_CodPostal AgPer_Localidad AgPer_Provincia AgPer_Te_Caract AgPer_Telefono "
            "AgPer_NumFactura AgPer_Fecha_Percepcion AgPer_BaseImp AgPer_Alicuota AgPer_Imp_Percibido"));
    const ImportFormat ret = *ImportFormat::read(t.db(), RegisterKind::retenciones());
    EXPECT_EQ(ret.columns.size(), 23u);
    EXPECT_TRUE(ret.columnNames().contains(QStringLiteral("AgRet_Lugar_Fecha")));
    EXPECT_FALSE(ret.columnNames().contains(QStringLiteral("AgRet_FechaDDJJ")));
}

TEST_F(ImportLineTest, AmountAgreesWithRateTimesBaseAtTwoDecimals)
{
    EXPECT_TRUE(parse(perceptionLine()));
    EXPECT_EQ(number(Base), 100000);
    EXPECT_EQ(number(Alicuota), 30000);
    EXPECT_EQ(number(Importe), 3000);
    EXPECT_TRUE(parse(perceptionLine({ { Importe, "30.004" } })));
    EXPECT_EQ(number(Importe), 3000);

    EXPECT_FALSE(parse(perceptionLine({ { Importe, "31" } })));
    EXPECT_EQ(line.errors(),
        QStringList { QStringLiteral("Cálculo de Importe difiere de (Alicuota * BaseImp) / 100 ") });
    EXPECT_EQ(line.shown(Importe), QStringLiteral("Error Cálculo"));
    EXPECT_EQ(line.shown(Base), QStringLiteral("1000.00"));

    // An empty rate counts as 0: only an amount of 0 agrees with it.
    EXPECT_FALSE(parse(perceptionLine({ { Alicuota, "" } })));
    EXPECT_TRUE(parse(perceptionLine({ { Alicuota, "" }, { Importe, "0" } })));
    EXPECT_EQ(kind(Alicuota), ImportValue::Kind::Null);
    // Negative amounts (a correction) follow the same rule.
    EXPECT_TRUE(parse(perceptionLine({ { Base, "-1000" }, { Importe, "-30" } })));
    EXPECT_EQ(number(Importe), -3000);
    // 1234.56 x 2.5 / 100 = 30.864 -> 30.86
    EXPECT_TRUE(parse(perceptionLine({ { Base, "1234.56" }, { Alicuota, "2.5" }, { Importe, "30.86" } })));
}

TEST_F(ImportLineTest, RefusedValuesAreNamedWithTheAuthorityTexts)
{
    EXPECT_FALSE(parse(perceptionLine({ { Cuit, "20-1111111A/2" } })));
    EXPECT_EQ(line.errors(), QStringList { QStringLiteral("CUIT no Válido - 20-1111111A/2") });
    EXPECT_EQ(line.shown(Cuit), QStringLiteral("Error"));
    EXPECT_FALSE(parse(perceptionLine({ { IBrutos, "901-123456/04" } })));
    EXPECT_EQ(line.errors(), QStringList { QStringLiteral("N°IB no Válido - 901-123456/04") });
    EXPECT_FALSE(parse(perceptionLine({ { Fecha, "31/02/2026" } })));
    EXPECT_EQ(line.errors(), QStringList { QStringLiteral(" Fecha no Válida - 31/02/2026") });
    EXPECT_FALSE(parse(perceptionLine({ { Base, "1000,50" } })));
    EXPECT_EQ(line.errors(), QStringList { QStringLiteral(" Número no Válido - 1000,50") });
    EXPECT_FALSE(parse(perceptionLine({ { Base, "1.000.00" } })));
    EXPECT_FALSE(parse(perceptionLine({ { Base, "12abc" } })));
    EXPECT_FALSE(parse(perceptionLine({ { Base, "9999999999999999" } })));
    EXPECT_FALSE(parse(perceptionLine({ { Alicuota, "100000" } })));
    EXPECT_FALSE(parse(perceptionLine({ { Fecha, "2026-03-10" } })));
    EXPECT_FALSE(parse(perceptionLine({ { Fecha, "10/03/1899" } })));
    // Two faults, both reported.
    EXPECT_FALSE(parse(perceptionLine({ { Cuit, "X" }, { Fecha, "00/01/2026" } })));
    EXPECT_EQ(line.errors().size(), 2);
}

TEST_F(ImportLineTest, IdentifiersAreStoredInTheirShape)
{
    EXPECT_FALSE(parse(perceptionLine({ { Cuit, "20111111112" }, { IBrutos, "001123456-00" } })));
    EXPECT_TRUE(parse(perceptionLine({ { Cuit, "20111111112" }, { IBrutos, "00112345600" } })));
    EXPECT_EQ(text(Cuit), "20-11111111/2");
    EXPECT_EQ(text(IBrutos), "001-123456/00");
    EXPECT_TRUE(parse(perceptionLine({ { Cuit, "20-11111111-2" } })));
    EXPECT_EQ(text(Cuit), "20-11111111/2");
    // An empty CUIT is no error and is stored as NULL.
    EXPECT_TRUE(parse(perceptionLine({ { Cuit, "" } })));
    EXPECT_EQ(kind(Cuit), ImportValue::Kind::Null);
}

TEST_F(ImportLineTest, TextsLoseTheirQuotesAndApostrophes)
{
    EXPECT_TRUE(parse(perceptionLine({ { Contribuyente, "O'Higgins" } })));
    EXPECT_EQ(text(Contribuyente), "O´Higgins");
    EXPECT_TRUE(parse(perceptionLine({ { Contribuyente, "\"Pérez \"\"El Gordo\"\" SA\"" } })));
    EXPECT_EQ(text(Contribuyente), "Pérez \"El Gordo\" SA");
    EXPECT_TRUE(parse(perceptionLine({ { Contribuyente, "Bar \"La Esquina\"" } })));
    EXPECT_EQ(text(Contribuyente), "Bar \"La Esquina\"");
    EXPECT_TRUE(parse(perceptionLine({ { Fecha, "\"10/03/2026\"" }, { Importe, "\"30\"" } })));
    // Blanks around a value are not part of it; an empty value is NULL.
    EXPECT_TRUE(parse(perceptionLine({ { Domicilio, "  Belgrano  " }, { 6, "" } })));
    EXPECT_EQ(text(Domicilio), "Belgrano");
    EXPECT_EQ(kind(6), ImportValue::Kind::Null);
}

TEST_F(ImportLineTest, ReadsUtf8AndWindows1252)
{
    EXPECT_TRUE(parse(perceptionLine({ { Contribuyente,
        "Mu\xf1oz y Pe\xf1"
        "a \x93SA\x94" } })));
    EXPECT_EQ(text(Contribuyente), "Muñoz y Peña “SA”");
    EXPECT_TRUE(parse(perceptionLine({ { Contribuyente, "Muñoz" } })));
    EXPECT_EQ(text(Contribuyente), "Muñoz");
    // A byte-order mark before the first field is not part of it.
    EXPECT_TRUE(parse("\xEF\xBB\xBF" + perceptionLine()));
    EXPECT_EQ(text(NumAgente), "4321/5");
}

TEST_F(ImportLineTest, TextsLongerThanTheColumnAreRefusedByCharacters)
{
    EXPECT_TRUE(parse(perceptionLine({ { Contribuyente, QString(100, u'ñ').toUtf8() } })));
    EXPECT_FALSE(parse(perceptionLine({ { Contribuyente, QByteArray(101, 'a') } })));
    EXPECT_EQ(
        line.errors(), QStringList { QStringLiteral(" Texto excede 100 caracteres - AgPer_Contribuyente") });
}

TEST_F(ImportLineTest, MissingExtraAndRequiredFields)
{
    EXPECT_FALSE(parse(perceptionLine() + "\textra"));
    EXPECT_EQ(line.errors().first(), QStringLiteral(" Cantidad de campos no válida - 22 de 21"));
    EXPECT_FALSE(parse("4321/5\tCliente SA\t20-11111111/2"));
    EXPECT_EQ(line.errors().first(), QStringLiteral(" Cantidad de campos no válida - 3 de 21"));
    EXPECT_EQ(line.shown(Fecha), QStringLiteral("Requerido"));
    EXPECT_EQ(line.shown(Domicilio), QString());
    EXPECT_FALSE(parse(perceptionLine({ { Contribuyente, "" } })));
    EXPECT_EQ(line.errors(), QStringList { QStringLiteral(" Campo Requerido - AgPer_Contribuyente") });
    EXPECT_EQ(line.shown(Contribuyente), QStringLiteral("Requerido"));
}

TEST_F(ImportLineTest, GarbageIsRefusedNeverTrusted)
{
    EXPECT_FALSE(parse(QByteArray("\x00\x01\xff\xfe\t\t\x80", 7)));
    EXPECT_FALSE(parse(perceptionLine({ { Contribuyente,
        QByteArray("A\x00"
                   "B",
            3) } })));
    EXPECT_EQ(line.errors(), QStringList { QStringLiteral(" Texto no Válido - AgPer_Contribuyente") });
    EXPECT_FALSE(parse(QByteArray(int(MaxLineBytes) + 1, 'x')));
    EXPECT_EQ(line.errors(),
        QStringList { QStringLiteral(" Registro demasiado largo - 65537 bytes (máximo 65536)") });
    // A refused value is shown shortened, its control characters as "?".
    EXPECT_FALSE(parse(perceptionLine({ { Base, QByteArray(200, '9') + '\x01' } })));
    EXPECT_EQ(line.errors().first(), QStringLiteral(" Número no Válido - ") + QString(40, u'9'));
    EXPECT_TRUE(ImportLine::isBlank("  \r"));
}
