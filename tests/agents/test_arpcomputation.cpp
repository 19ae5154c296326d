#include "agents/arpcomputation.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;

namespace {

Money m(const char* text)
{
    return *Money::fromPlain(QString::fromLatin1(text));
}

Index4 idx(const char* text)
{
    return *Index4::fromPlain(QString::fromLatin1(text));
}

}

TEST(ArpPeriod, TypedMonthGivesItsFirstAndLastDay)
{
    const auto march = periodoIngresado(QStringLiteral("03/2005"));
    ASSERT_TRUE(march);
    EXPECT_EQ(march->desde, QDate(2005, 3, 1));
    EXPECT_EQ(march->hasta, QDate(2005, 3, 31));
    EXPECT_EQ(march->text(), QStringLiteral("03/2005"));
    EXPECT_EQ(periodoIngresado(QStringLiteral("02/2004"))->hasta, QDate(2004, 2, 29));
    EXPECT_EQ(periodoIngresado(QStringLiteral("02/2005"))->hasta, QDate(2005, 2, 28));
    EXPECT_EQ(periodoIngresado(QStringLiteral("12/2005"))->hasta, QDate(2005, 12, 31));
}

TEST(ArpPeriod, ZeroMonthOrYearIsRefusedWithItsMessage)
{
    EXPECT_EQ(periodoIngresado(QStringLiteral("00/2005")).error(),
        QStringLiteral("Error en la especificación del mes..."));
    EXPECT_EQ(periodoIngresado(QStringLiteral("13/2005")).error(),
        QStringLiteral("Error en la especificación del mes..."));
    EXPECT_EQ(periodoIngresado(QStringLiteral("03/0000")).error(),
        QStringLiteral("Error en la especificación del año..."));
    EXPECT_EQ(periodoIngresado(QStringLiteral("  /    ")).error(),
        QStringLiteral("Error en la especificación del mes..."));
}

TEST(ArpPeriod, ProposedMonthIsTheOneBeforeToday)
{
    EXPECT_EQ(periodoPropuesto(QDate(2005, 4, 20)), periodOf(QDate(2005, 3, 31)));
    EXPECT_EQ(periodoPropuesto(QDate(2005, 1, 5)).text(), QStringLiteral("12/2004"));
    EXPECT_EQ(periodoPropuesto(QDate(2005, 3, 31)).hasta, QDate(2005, 2, 28));
}

TEST(ArpDueDate, FifteenthOfNextMonthMovedPastTheWeekend)
{
    // March 2005: 15 April was a Friday.
    EXPECT_EQ(CalculaDefault(QDate(2005, 3, 31)), QDate(2005, 4, 15));
    // March 2006: 15 April a Saturday, moved to Monday 17.
    EXPECT_EQ(CalculaDefault(QDate(2006, 3, 31)), QDate(2006, 4, 17));
    // March 2007: 15 April a Sunday, moved to Monday 16.
    EXPECT_EQ(CalculaDefault(QDate(2007, 3, 31)), QDate(2007, 4, 16));
    // December rolls into January of the next year.
    EXPECT_EQ(CalculaDefault(QDate(2005, 12, 31)), QDate(2006, 1, 16));
}

TEST(ArpDueDate, OnlyTheDayMayBeChanged)
{
    const QDate proposed(2005, 4, 15);
    const DueDateEdit holiday = editaFechaVto(proposed, QDate(2005, 4, 18));
    EXPECT_EQ(holiday.fecha, QDate(2005, 4, 18));
    EXPECT_EQ(holiday.message,
        QStringLiteral(
            "Recuerde que ud. está completando una declaración jurada y la fecha de vencimiento debe "
            "coincidir con la que publica la Agencia General Tributaria, que se fijó para el día 15 de "
            "cada mes salvo los días Sábados, Domingos y Feriados..."));
    for (const QDate other : { QDate(2005, 5, 15), QDate(2006, 4, 15) }) {
        const DueDateEdit refused = editaFechaVto(proposed, other);
        EXPECT_EQ(refused.fecha, proposed);
        EXPECT_EQ(refused.message,
            QStringLiteral("Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es "
                           "aceptada si el día propuesto por el sistema es feriado..."));
    }
    EXPECT_TRUE(editaFechaVto(proposed, proposed).message.isEmpty());
}

TEST(ArpDeclarationDate, LastDayOfTheMonthIsAllowedTheDayBeforeRefused)
{
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));
    EXPECT_FALSE(declaracionAntesDeTiempo(march, QDate(2005, 3, 31)));
    EXPECT_FALSE(declaracionAntesDeTiempo(march, QDate(2005, 4, 1)));
    EXPECT_EQ(declaracionAntesDeTiempo(march, QDate(2005, 3, 30)).value_or(QString()),
        QStringLiteral("La DDJJ para el período 03/2005 no puede realizarse antes de 01/04/2005"));
}

TEST(ArpInterest, IndexDifferenceIsAPercentageOfTheTotal)
{
    const ArpBalance b = CalculaInteres(m("1000.00"), m("0"), idx("100.0000"), idx("103.5000"));
    EXPECT_EQ(b.intereses, m("35.00"));
    EXPECT_EQ(b.saldo, m("1035.00"));
    EXPECT_EQ(b.capitalAmortizado, m("0"));
    // Earlier deposits come off the balance; what exceeds the interest went to capital.
    const ArpBalance paid = CalculaInteres(m("1000.00"), m("400.00"), idx("100.0000"), idx("103.5000"));
    EXPECT_EQ(paid.intereses, m("35.00"));
    EXPECT_EQ(paid.saldo, m("635.00"));
    EXPECT_EQ(paid.capitalAmortizado, m("365.00"));
    // A deposit smaller than the interest amortises nothing.
    EXPECT_EQ(CalculaInteres(m("1000.00"), m("35.00"), idx("100"), idx("103.5")).capitalAmortizado, m("0"));
}

TEST(ArpInterest, PaymentOnOrBeforeTheDueDateTakesNoInterest)
{
    for (const char* pago : { "100.0000", "99.1234" }) {
        const ArpBalance b = CalculaInteres(m("1000.00"), m("250.00"), idx("100.0000"), idx(pago));
        EXPECT_EQ(b.intereses, m("0"));
        EXPECT_EQ(b.saldo, m("750.00"));
        EXPECT_EQ(b.capitalAmortizado, m("250.00"));
    }
}

TEST(ArpInterest, NegativeTotalTakesNoInterest)
{
    const ArpBalance b = CalculaInteres(m("-200.00"), m("50.00"), idx("100"), idx("110"));
    EXPECT_EQ(b.intereses, m("0"));
    EXPECT_EQ(b.saldo, m("-250.00"));
}

TEST(ArpInterest, InterestIsRoundedToTheCentAndTheBalanceAddsTheRoundedInterest)
{
    // 333.33 x 1.2345 % = 4.11495... -> 4.11
    const ArpBalance b = CalculaInteres(m("333.33"), m("0"), idx("50.0000"), idx("51.2345"));
    EXPECT_EQ(b.intereses, m("4.11"));
    EXPECT_EQ(b.saldo, m("337.44"));
    // Large totals do not overflow: 9,999,999,999,999.99 at 10 %.
    EXPECT_EQ(
        CalculaInteres(m("9999999999999.99"), m("0"), idx("0"), idx("10")).intereses, m("1000000000000.00"));
}
