#include "ib08fixture.h"
#include "plans/ib08checks.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

struct Ib08Checks : ::testing::Test
{
    FixedClock clock { QDate(2026, 3, 15) };
    Ib08Checks() { Clock::install(&clock); }
    ~Ib08Checks() override { Clock::install(nullptr); }
};

const QString Refused = QStringLiteral("El formato de ingreso es mes/año (03/26)");

}

TEST_F(Ib08Checks, FiscalPositionIsMonthAndTwoDigitYear)
{
    EXPECT_EQ(*posicionFiscal(u"1/5"), QStringLiteral("01/05"));
    EXPECT_EQ(*posicionFiscal(u" 12/99 "), QStringLiteral("12/99"));
    EXPECT_EQ(*posicionFiscal(u"07/0"), QStringLiteral("07/00"));
    EXPECT_EQ(*posicionFiscal(u""), QString());
    for (const char16_t* wrong :
        { u"13/05", u"0/05", u"5/100", u"5/2026", u"0505", u"5/", u"/05", u"a/05", u"5/5/5", u"-1/05" }) {
        const Result<QString> refused = posicionFiscal(wrong);
        ASSERT_FALSE(refused) << QString::fromUtf16(wrong).toStdString();
        EXPECT_EQ(refused.error(), Refused);
    }
}

TEST_F(Ib08Checks, SavingNeedsDateAmountsAndAWellFormedPosition)
{
    Ib08Payment p = typedPayment();
    EXPECT_EQ(ib08SaveCheck(p), std::nullopt);

    Ib08Payment noDate = p;
    noDate.fechaPago = {};
    EXPECT_EQ(ib08SaveCheck(noDate), QStringLiteral("Complete la fecha..."));

    Ib08Payment noAmounts = p;
    noAmounts.importe = noAmounts.actualizacion = noAmounts.interes = std::nullopt;
    noAmounts.total = money("10.00"); // a total alone is no amount: it follows from the others
    EXPECT_EQ(ib08SaveCheck(noAmounts), QStringLiteral("Complete los importes..."));

    Ib08Payment interestOnly = noAmounts;
    interestOnly.interes = money("35.10");
    EXPECT_EQ(ib08SaveCheck(interestOnly), std::nullopt);

    Ib08Payment badPosition = p;
    badPosition.posFiscal = QStringLiteral("13/05");
    EXPECT_EQ(ib08SaveCheck(badPosition), Refused);
    badPosition.posFiscal.clear();
    EXPECT_EQ(ib08SaveCheck(badPosition), std::nullopt);
}

TEST_F(Ib08Checks, TotalAddsTheThreeAmounts)
{
    EXPECT_EQ(ib08Total(typedPayment()), money("1018.00"));
    Ib08Payment p;
    EXPECT_EQ(ib08Total(p), std::nullopt);
    p.interes = money("0.01");
    EXPECT_EQ(ib08Total(p), money("0.01"));
}

TEST_F(Ib08Checks, AmountsAndDatesAsTheScreenShowsThem)
{
    EXPECT_EQ(ib08AmountOnLeaving(u"1234,5"), QStringLiteral("1.234,50"));
    EXPECT_EQ(ib08AmountOnLeaving(u"mil"), QStringLiteral("0,00"));
    EXPECT_EQ(ib08AmountOnLeaving(u"  "), QString());

    FieldValues typed { { QStringLiteral("IB08_PosFiscal"), QStringLiteral("05/26") },
        { QStringLiteral("IB08_FechaPago"), QStringLiteral("15/03/2026") },
        { QStringLiteral("IB08_Importe"), QStringLiteral("1.234,50") },
        { QStringLiteral("IB08_Actualizacion"), QVariant() },
        { QStringLiteral("IB08_Interes"), QStringLiteral("x") } };
    const Ib08Payment p = ib08Payment(typed);
    EXPECT_EQ(p.fechaPago, QDate(2026, 3, 15));
    EXPECT_EQ(p.importe, money("1234.50"));
    EXPECT_EQ(p.actualizacion, std::nullopt);
    EXPECT_EQ(p.interes, std::nullopt);
    EXPECT_EQ(p.posFiscal, QStringLiteral("05/26"));
    EXPECT_EQ(conceptText(Ib08Concept::Reinscripcion), QStringLiteral("Reinscripción"));
}
