#include "plans/planchecks.h"
#include "plansfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

TEST(PlanChecks, EveryFieldOfTheRequestIsRequired)
{
    const PaymentPlan complete = grantedPlan(QStringLiteral("101"), QDate(2019, 3, 1));
    EXPECT_EQ(planRequestCheck(complete), std::nullopt);

    const std::vector<std::function<void(PaymentPlan&)>> blanks {
        [](PaymentPlan& p) { p.tipoForm = QStringLiteral("   "); },
        [](PaymentPlan& p) { p.numPFP.clear(); },
        [](PaymentPlan& p) { p.tasa.reset(); },
        [](PaymentPlan& p) { p.importeAnticipo.reset(); },
        [](PaymentPlan& p) { p.importeCuota.reset(); },
        [](PaymentPlan& p) { p.importeDeuda.reset(); },
        [](PaymentPlan& p) { p.cantCuotas.reset(); },
        [](PaymentPlan& p) { p.fechaAprob = QDate(); },
        [](PaymentPlan& p) { p.fechaVtoCta2 = QDate(); },
    };
    for (std::size_t i = 0; i < blanks.size(); ++i) {
        PaymentPlan p = complete;
        blanks[i](p);
        EXPECT_EQ(planRequestCheck(p), QStringLiteral("Complete todos los campos...")) << "field " << i;
    }
    // A zero down payment is an amount given.
    PaymentPlan zero = complete;
    zero.importeAnticipo = Money();
    EXPECT_EQ(planRequestCheck(zero), std::nullopt);
}

TEST(PlanChecks, AnAmountThatIsNoNumberBecomesZeroWhenLeft)
{
    EXPECT_EQ(amountOnLeaving(u"abc"), QStringLiteral("0"));
    EXPECT_EQ(amountOnLeaving(u"12,5x"), QStringLiteral("0"));
    EXPECT_EQ(amountOnLeaving(u"1,2,3"), QStringLiteral("0"));
    EXPECT_EQ(amountOnLeaving(u"1.234,56"), QStringLiteral("1.234,56"));
    EXPECT_EQ(amountOnLeaving(u"3"), QStringLiteral("3"));
    EXPECT_EQ(amountOnLeaving(u"2,333"), QStringLiteral("2,333"));
    EXPECT_EQ(amountOnLeaving(u""), QString());
    EXPECT_EQ(amountOnLeaving(u"  "), QString());
}
