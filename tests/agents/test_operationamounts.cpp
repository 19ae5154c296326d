#include "agents/agentoperation.h"
#include "agents/operationamounts.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;

namespace {
AmountFields typed(const char* base, const char* rate, const char* amount = "")
{
    return { QString::fromUtf8(base), QString::fromUtf8(rate), QString::fromUtf8(amount) };
}
}

TEST(CalcImpRetenido, AuthorityExamples)
{
    // Base 1000 and rate 2.5 give 25.00; the rate is shown with four places.
    EXPECT_EQ(Calc_ImpRetenido(typed("1000", "2,5")).shown, typed("1.000,00", "2,5000", "25,00"));
    // An empty rate with a base of 500: rate 0 and amount 0.
    EXPECT_EQ(Calc_ImpRetenido(typed("500", "", "17,00")).shown, typed("500,00", "0,0000", "0,00"));
    EXPECT_EQ(Calc_ImpRetenido(typed("", "")).shown, typed("0,00", "0,0000", "0,00"));
    // Perceptions compute the same way.
    EXPECT_EQ(Calc_ImpPercibido(typed("1.234,56", "3")).importe, Money::fromUnits(3704));
}

TEST(CalcImpRetenido, RoundsHalfAwayFromZeroToTheCent)
{
    EXPECT_EQ(importeDe(Money::fromUnits(10), Fixed<4>::fromUnits(50000)), Money::fromUnits(1)); // 0,005
    EXPECT_EQ(importeDe(Money::fromUnits(-10), Fixed<4>::fromUnits(50000)), Money::fromUnits(-1));
    EXPECT_EQ(importeDe(Money::fromUnits(3333), Fixed<4>::fromUnits(15000)), Money::fromUnits(50)); // 0,49995
    EXPECT_EQ(importeDe(Money::fromUnits(3333), Fixed<4>::fromUnits(14999)), Money::fromUnits(50)); // 0,49992
    EXPECT_EQ(importeDe(Money::fromUnits(100), Fixed<4>::fromUnits(4999)), Money::fromUnits(0)); // 0,004999
    // The largest base at the largest rate still fits.
    EXPECT_EQ(importeDe(MaxAmount, MaxRate), Money::fromUnits(999998999999999));
}

TEST(AmountFields, NonNumbersAndOversizedValuesAreBlanked)
{
    EXPECT_EQ(normaliseAmountField(QStringLiteral("abc"), 2), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("1,2,3"), 2), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("12a"), 2), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("-"), 2), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("99.999.999.999.999,99"), 2), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("9223372036854775807"), 2), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("9.999.999.999.999,99"), 2),
        QStringLiteral("9.999.999.999.999,99"));
    EXPECT_EQ(normaliseAmountField(QStringLiteral("100"), 4), QString());
    EXPECT_EQ(normaliseAmountField(QStringLiteral("99,9999"), 4), QStringLiteral("99,9999"));
    // A blanked base or rate counts as 0 in the computation.
    EXPECT_EQ(Calc_ImpRetenido(typed("1e5", "2")).shown, typed("0,00", "2,0000", "0,00"));
}

TEST(AmountFields, OversizedNumbersAreToldApartFromNonNumbers)
{
    // Fifteen whole digits are beyond the base field; thirteen fit.
    EXPECT_TRUE(exceedsField(QStringLiteral("123456789012345"), 2));
    EXPECT_TRUE(exceedsField(QStringLiteral("-123456789012345,00"), 2));
    EXPECT_FALSE(exceedsField(QStringLiteral("1234567890123"), 2));
    EXPECT_TRUE(exceedsField(QStringLiteral("100"), 4));
    EXPECT_FALSE(exceedsField(QStringLiteral("abc"), 2));
    EXPECT_FALSE(exceedsField(QString(), 2));
}

TEST(OperationFields, DatesOutsideTheFormsYearsAreRefused)
{
    const RegisterKind& kind = RegisterKind::retenciones();
    FieldValues fields;
    for (const char* text : { "31/12/1899", "01/01/2100", "29/02/2005" }) {
        fields.insert(kind.dateColumn, QString::fromUtf8(text));
        const auto read = operationFromFields(kind, fields);
        ASSERT_FALSE(read) << text;
        EXPECT_EQ(read.error(), QStringLiteral("La fecha ingresada no es válida..."));
    }
    fields.insert(kind.dateColumn, QStringLiteral("01/01/1900"));
    fields.insert(kind.column(QStringLiteral("Lugar_Fecha")), QStringLiteral("31/12/2099"));
    const auto read = operationFromFields(kind, fields);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fecha, QDate(1900, 1, 1));
    EXPECT_EQ(read->lugarFecha, QDate(2099, 12, 31));
}

TEST(AmountFields, ExtraPlacesRoundAndNegativesStay)
{
    EXPECT_EQ(normaliseAmountField(QStringLiteral("1234,565"), 2), QStringLiteral("1.234,57"));
    EXPECT_EQ(normaliseAmountField(QStringLiteral("-1.234,565"), 2), QStringLiteral("-1.234,57"));
    EXPECT_EQ(normaliseAmountField(QStringLiteral("1234,5649"), 2), QStringLiteral("1.234,56"));
    EXPECT_EQ(normaliseAmountField(QStringLiteral("2,50005"), 4), QStringLiteral("2,5001"));
    EXPECT_EQ(normaliseAmountField(QStringLiteral(" -50 "), 2), QStringLiteral("-50,00"));
    EXPECT_TRUE(showsNegative(QStringLiteral("-50,00")));
    EXPECT_TRUE(showsNegative(QStringLiteral("-9.999.999.999.999,99")));
    EXPECT_FALSE(showsNegative(QStringLiteral("0,00")));
    EXPECT_FALSE(showsNegative(QString()));
}

TEST(OperationFields, DatesMustBeCalendarDays)
{
    const auto& kind = RegisterKind::retenciones();
    FieldValues f;
    f.insert(kind.dateColumn, QStringLiteral("31/02/2005"));
    const auto refused = operationFromFields(kind, f);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), QStringLiteral("La fecha ingresada no es válida..."));

    f.insert(kind.dateColumn, QStringLiteral("28/02/2005"));
    f.insert(QStringLiteral("AgRet_Lugar_Fecha"), QStringLiteral("32/01/2005"));
    EXPECT_FALSE(operationFromFields(kind, f));

    f.insert(QStringLiteral("AgRet_Lugar_Fecha"), QStringLiteral("__/__/____"));
    f.insert(QStringLiteral("AgRet_BaseImp"), QStringLiteral("no"));
    f.insert(QStringLiteral("AgRet_Alicuota"), QStringLiteral("2,5"));
    const auto read = operationFromFields(kind, f);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fecha, QDate(2005, 2, 28));
    EXPECT_FALSE(read->lugarFecha.isValid());
    EXPECT_FALSE(read->base.has_value());
    EXPECT_EQ(read->alicuota, Fixed<4>::fromUnits(25000));
}

TEST(OperationFields, PerceptionsUseTheirOwnColumnsAndHaveNoPlace)
{
    AgentOperation op;
    op.documento = QStringLiteral("A-0001-00000001");
    op.fecha = QDate(2005, 3, 1);
    op.importe = Money::fromUnits(-150);
    op.lugar = QStringLiteral("ignorado");
    const FieldValues f = operationFields(RegisterKind::percepciones(), op);
    EXPECT_EQ(f.value(QStringLiteral("AgPer_NumFactura")).toString(), QStringLiteral("A-0001-00000001"));
    EXPECT_EQ(f.value(QStringLiteral("AgPer_Fecha_Percepcion")).toDate(), QDate(2005, 3, 1));
    EXPECT_EQ(f.value(QStringLiteral("AgPer_Imp_Percibido")).value<Money>(), Money::fromUnits(-150));
    EXPECT_FALSE(f.value(QStringLiteral("AgPer_BaseImp")).isValid());
    for (const QString& column : f.keys())
        EXPECT_TRUE(column.startsWith(QStringLiteral("AgPer_"))) << column.toStdString();
    EXPECT_FALSE(f.contains(QStringLiteral("AgPer_Lugar")));
}
