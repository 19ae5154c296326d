#include "plans/slipline.h"
#include "plansfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

const QString Cuit = QStringLiteral("20-12345678/6");

// Instalment 4 of plan 123, due Wednesday 13 May 2026, paid ten days late at 3.00 %.
InstalmentSlip lateSlip()
{
    const PaymentPlan plan = grantedPlan(QStringLiteral("123"), QDate(2026, 1, 13));
    const QDate due = CalculaVto(plan.fechaVtoCta2, 4);
    return instalmentSlip(plan, 4, due, due.addDays(10));
}

}

TEST(SlipLine, DigitsOfEveryFieldInOrder)
{
    auto line = slipNumericLine(lateSlip(), Cuit);
    ASSERT_TRUE(line) << line.error().toStdString();
    EXPECT_EQ(*line,
        QStringLiteral("20123456786"
                       "0000123"
                       "0004"
                       "130526"
                       "0000100000"
                       "0000001000"
                       "0000101000"
                       "230526"));
    EXPECT_EQ(line->size(), SlipLineLength);

    // A missing CUIT keeps the line's length.
    auto noCuit = slipNumericLine(lateSlip(), QString());
    ASSERT_TRUE(noCuit);
    EXPECT_EQ(noCuit->left(11), QStringLiteral("00000000000"));
    EXPECT_EQ(noCuit->size(), SlipLineLength);
}

TEST(SlipLine, ValuesThatDoNotFitAreRefusedNotCut)
{
    InstalmentSlip big = lateSlip();
    big.plan.importeCuota = money("100000000.00");
    EXPECT_EQ(slipNumericLine(big, Cuit).error(),
        QStringLiteral("El valor de \"Importe Cuota\" tiene 11 dígitos y el formulario admite 10.\n"
                       "No se imprimió el formulario."));

    InstalmentSlip longNumber = lateSlip();
    longNumber.plan.numPFP = QStringLiteral("12345678");
    EXPECT_EQ(slipNumericLine(longNumber, Cuit).error(),
        QStringLiteral("El valor de \"Plan Nº\" tiene 8 dígitos y el formulario admite 7.\n"
                       "No se imprimió el formulario."));

    InstalmentSlip negative = lateSlip();
    negative.plan.importeCuota = money("-5.00");
    EXPECT_EQ(slipNumericLine(negative, Cuit).error(),
        QStringLiteral("El valor de \"Importe Cuota\" es negativo y el formulario no admite signo.\n"
                       "No se imprimió el formulario."));
}

TEST(SlipLine, PlanNumberPrintedWithSevenDigits)
{
    EXPECT_EQ(planNumberText(QStringLiteral("123")), QStringLiteral("0000123"));
    EXPECT_EQ(planNumberText(QStringLiteral(" 45 ")), QStringLiteral("0000045"));
    EXPECT_EQ(planNumberText(QStringLiteral("A-12")), QStringLiteral("A-12"));
    EXPECT_EQ(planNumberText(QStringLiteral("12345678")), QStringLiteral("12345678"));
}
