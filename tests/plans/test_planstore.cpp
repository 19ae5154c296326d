#include "plansfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

QStringList numbers(const QList<PaymentPlan>& list)
{
    QStringList out;
    for (const PaymentPlan& p : list)
        out << p.numPFP;
    return out;
}

}

TEST(PlanStore, PlansOfEveryInscriptionNewestFirst)
{
    PlansFixture f;
    f.storePlan(f.firstCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    f.storePlan(f.newestCp01, QStringLiteral("102"), QDate(2021, 6, 1));
    f.storePlan(f.firstCp01, QStringLiteral("103"), QDate(2018, 1, 1));
    const qint64 other = f.taxpayer(QStringLiteral("Gómez Ana"));
    f.storePlan(f.inscription(other, QDate(2010, 1, 1)), QStringLiteral("999"), QDate(2022, 1, 1));

    auto list = f.store.plansOf(f.cmdId);
    ASSERT_TRUE(list) << list.error().toStdString();
    EXPECT_EQ(numbers(*list),
        (QStringList { QStringLiteral("103"), QStringLiteral("102"), QStringLiteral("101") }));
    EXPECT_EQ(list->front().cp01Id, f.firstCp01);
}

TEST(PlanStore, StoredPlanReadsBackExactly)
{
    PlansFixture f;
    PaymentPlan p = grantedPlan(QStringLiteral("0012345"), QDate(2026, 1, 31));
    p.tasa = Rate::fromUnits(275);
    p.importeCuota = money("999999999.99");
    ASSERT_TRUE(f.store.save(p, f.newestCp01));
    EXPECT_GT(p.id, 0);
    EXPECT_EQ(p.cp01Id, f.newestCp01);

    auto back = f.store.load(p.id);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);
    EXPECT_EQ(planListText(*back), QStringLiteral("31/01/2026 N° Ctas = 12"));

    auto cp01 = f.store.inscriptionOf(*back);
    ASSERT_TRUE(cp01);
    EXPECT_EQ(cp01->value(QStringLiteral("CP01_CUIT")).toString(), QStringLiteral("20-12345678/6"));
    EXPECT_FALSE(cp01->contains(QStringLiteral("CMD_ID")));
}

TEST(PlanStore, EditedPlanStaysUnderItsOwnInscription)
{
    PlansFixture f;
    const qint64 id = f.storePlan(f.firstCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    PaymentPlan p = *f.store.load(id);
    p.cantCuotas = 24;
    ASSERT_TRUE(f.store.save(p, f.newestCp01));
    EXPECT_EQ(p.id, id);
    const PaymentPlan back = *f.store.load(id);
    EXPECT_EQ(back.cp01Id, f.firstCp01);
    EXPECT_EQ(back.cantCuotas, 24);
    EXPECT_EQ(f.store.plansOf(f.cmdId)->size(), 1);
}

TEST(PlanStore, IncompletePlanIsRefusedAndNothingStored)
{
    PlansFixture f;
    PaymentPlan p = grantedPlan(QStringLiteral("101"), QDate(2019, 3, 1));
    p.importeCuota.reset();
    const Status saved = f.store.save(p, f.newestCp01);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error(), QStringLiteral("Complete todos los campos..."));
    EXPECT_EQ(p.id, 0);
    EXPECT_TRUE(f.store.plansOf(f.cmdId)->isEmpty());
}

TEST(PlanStore, TextsAreStoredAsTypedNotRunAsStatements)
{
    PlansFixture f;
    const QString number = QStringLiteral("1'; DELETE FROM CMD; --");
    const qint64 id = f.storePlan(f.newestCp01, number, QDate(2019, 3, 1));
    EXPECT_EQ(f.store.load(id)->numPFP, number);
    EXPECT_TRUE(f.store.inscription(f.cmdId, f.newestCp01));
}

TEST(PlanStore, DeletingTheOnlyPlanLeavesAnEmptyList)
{
    PlansFixture f;
    const qint64 id = f.storePlan(f.newestCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    ASSERT_TRUE(f.store.remove(id));
    auto list = f.store.plansOf(f.cmdId);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->isEmpty());
    EXPECT_EQ(f.store.load(id).error(), QStringLiteral("Error al acceder a la base de datos..."));
}
