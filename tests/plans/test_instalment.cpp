#include "plans/instalment.h"
#include "plans/plansmessages.h"
#include "plansfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

TEST(CalculaVto, InstalmentsFollowTheSecondMonthByMonthPastWeekends)
{
    const QDate friday13(2026, 3, 13);
    EXPECT_EQ(CalculaVto(friday13, 2), friday13);
    EXPECT_EQ(CalculaVto(friday13, 1), QDate(2026, 2, 13));
    EXPECT_EQ(CalculaVto(friday13, 3), QDate(2026, 4, 13));
    // 13 June 2026 is a Saturday: the Monday after.
    EXPECT_EQ(CalculaVto(friday13, 5), QDate(2026, 6, 15));
    // 14 June 2026 is a Sunday: the day after.
    EXPECT_EQ(CalculaVto(QDate(2026, 5, 14), 3), QDate(2026, 6, 15));
    // A second instalment due on a Saturday is itself moved.
    EXPECT_EQ(CalculaVto(QDate(2026, 3, 14), 2), QDate(2026, 3, 16));
}

TEST(CalculaVto, AMissingDayIsTheMonthsLastAndLaterMonthsKeepTheDay)
{
    const QDate lastOfYear(2025, 12, 31);
    EXPECT_EQ(CalculaVto(lastOfYear, 3), QDate(2026, 1, 31).addDays(2)); // Saturday 31 January
    EXPECT_EQ(CalculaVto(lastOfYear, 4), QDate(2026, 3, 2)); // 28 February 2026 is a Saturday
    EXPECT_EQ(CalculaVto(lastOfYear, 5), QDate(2026, 3, 31));
    EXPECT_EQ(CalculaVto(QDate(2027, 12, 31), 4), QDate(2028, 2, 29));
}

TEST(CalculaVto, NoNumberOrNoSecondDueDateGivesNoDate)
{
    EXPECT_FALSE(CalculaVto(QDate(2026, 3, 13), std::nullopt).isValid());
    EXPECT_FALSE(CalculaVto(QDate(), 4).isValid());
}

TEST(DueDateEdit, OnlyTheDayMayBeMoved)
{
    const QDate proposed(2026, 6, 15);
    EXPECT_EQ(dueDateEdit(proposed, proposed), DueDateEdit::Accepted);
    EXPECT_EQ(dueDateEdit(proposed, QDate(2026, 6, 16)), DueDateEdit::DayMoved);
    EXPECT_EQ(dueDateEdit(proposed, QDate(2026, 7, 15)), DueDateEdit::Refused);
    EXPECT_EQ(dueDateEdit(proposed, QDate(2027, 6, 15)), DueDateEdit::Refused);
    EXPECT_EQ(dueDateEdit(proposed, QDate()), DueDateEdit::Refused);
    EXPECT_EQ(dueDateEdit(QDate(), QDate(2026, 7, 1)), DueDateEdit::Accepted);
    EXPECT_EQ(msg::recuerdeVencimiento(15),
        QStringLiteral(
            "Recuerde que ud. está completando un Plan de Facilidades de Pago y la fecha de vencimiento "
            "debe coincidir con la que Ud. se comprometió con la A.G.T., que se fijó para el día 15 de "
            "cada mes salvo los días Sábados, Domingos y Feriados..."));
}

TEST(CalculaInteres, LinearAtTheMonthlyRateOverThirtyDays)
{
    const QDate due(2026, 6, 15);
    const Rate tres = Rate::fromUnits(300);
    // 3.00 / 30 = 0.1 % a day; ten days late: 1 %.
    EXPECT_EQ(CalculaInteres({ tres, money("1000.00"), due, due.addDays(10) }),
        (InstalmentAmounts { money("10.00"), money("1010.00") }));
    // The month's own length does not count: 31 days are 3.1 %.
    EXPECT_EQ(CalculaInteres({ tres, money("1000.00"), QDate(2026, 7, 1), QDate(2026, 8, 1) }),
        (InstalmentAmounts { money("31.00"), money("1031.00") }));
    // 1234.57 × 2.5 / 30 × 7 / 100 = 7.2016...
    EXPECT_EQ(CalculaInteres({ Rate::fromUnits(250), money("1234.57"), due, due.addDays(7) }),
        (InstalmentAmounts { money("7.20"), money("1241.77") }));
    // Half a cent rounds up, and the total is the instalment plus the printed interest.
    EXPECT_EQ(CalculaInteres({ tres, money("1.00"), due, due.addDays(5) }),
        (InstalmentAmounts { money("0.01"), money("1.01") }));
    // The largest amount the slip prints, ten years late, without overflow.
    EXPECT_EQ(CalculaInteres({ tres, money("999999999.99"), due, due.addDays(3650) }).interes,
        money("3649999999.96"));
}

TEST(CalculaInteres, NoInterestOnTimeOrWithoutDatesRateOrAmount)
{
    const QDate due(2026, 6, 15);
    const Rate tres = Rate::fromUnits(300);
    const InstalmentAmounts plain { Money(), money("1000.00") };
    EXPECT_EQ(CalculaInteres({ tres, money("1000.00"), due, due }), plain);
    EXPECT_EQ(CalculaInteres({ tres, money("1000.00"), due, due.addDays(-3) }), plain);
    EXPECT_EQ(CalculaInteres({ tres, money("1000.00"), due, QDate() }), plain);
    EXPECT_EQ(CalculaInteres({ tres, money("1000.00"), QDate(), due }), plain);
    EXPECT_EQ(CalculaInteres({ std::nullopt, money("1000.00"), due, due.addDays(10) }), plain);
    EXPECT_EQ(CalculaInteres({ tres, std::nullopt, due, due.addDays(10) }), (InstalmentAmounts {}));
}

TEST(InstalmentSlip, FilledFromThePlanAndCheckedBeforePrinting)
{
    const PaymentPlan plan = grantedPlan(QStringLiteral("101"), QDate(2026, 1, 13)); // 12 instalments
    EXPECT_EQ(instalmentNumbers(plan).size(), 12);
    EXPECT_EQ(instalmentNumbers(plan).front(), 1);
    EXPECT_EQ(instalmentNumbers(plan).back(), 12);

    const QDate due = CalculaVto(plan.fechaVtoCta2, 4);
    const InstalmentSlip slip = instalmentSlip(plan, 4, due, due.addDays(10));
    EXPECT_EQ(slip.interes, money("10.00"));
    EXPECT_EQ(slip.total, money("1010.00"));
    EXPECT_EQ(Check_Datos(slip), std::nullopt);

    const QString incomplete
        = QStringLiteral("Para poder almacenar los datos es necesario tener completo todos los campos...");
    InstalmentSlip unpaid = slip;
    unpaid.pago = QDate();
    EXPECT_EQ(Check_Datos(unpaid), incomplete);
    for (int outside : { 0, 13 })
        EXPECT_EQ(Check_Datos(instalmentSlip(plan, outside, due, due)), incomplete) << outside;
    InstalmentSlip noNumber = slip;
    noNumber.cuota.reset();
    EXPECT_EQ(Check_Datos(noNumber), incomplete);
    InstalmentSlip noPlanNumber = slip;
    noPlanNumber.plan.numPFP.clear();
    EXPECT_EQ(Check_Datos(noPlanNumber), incomplete);
}
