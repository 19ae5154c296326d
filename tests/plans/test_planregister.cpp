#include "plans/plangridmodel.h"
#include "plans/planregister.h"
#include "plansfixture.h"
#include "scriptedmessages.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

struct PlanRegisterTest : ::testing::Test, PlansFixture
{
    ScriptedMessages boxes;
    QStringList notices;
    PlanRegister reg { store, cmdId, newestCp01, { [this](const QString& text, int ms) {
                          notices << text;
                          EXPECT_EQ(ms, 1200);
                      } } };
};

}

TEST_F(PlanRegisterTest, TypedFieldsAreReadInTheDisplayFormatAndStored)
{
    FieldValues typed {
        { col::TipoForm, QStringLiteral("IB09") },
        { col::NumPFP, QStringLiteral("4711") },
        { col::Tasa, QStringLiteral("2,5") },
        { col::ImporteDeuda, QStringLiteral("12.500,40") },
        { col::ImporteAnticipo, QStringLiteral("0") },
        { col::ImporteCuota, QStringLiteral("1.000,005") },
        { col::CantCuotas, QStringLiteral("12") },
        { col::FechaAprob, QStringLiteral("05/10/2026") },
        { col::FechaVtoCta2, QStringLiteral("10/12/2026") },
    };
    PaymentPlan plan = paymentPlan(typed);
    EXPECT_EQ(plan.tasa, Rate::fromUnits(250));
    EXPECT_EQ(plan.importeDeuda, money("12500.40"));
    EXPECT_EQ(plan.importeCuota, money("1000.01"));
    EXPECT_EQ(plan.fechaAprob, QDate(2026, 10, 5));
    ASSERT_TRUE(reg.Guardar(plan));
    EXPECT_GT(plan.id, 0);
    EXPECT_EQ(plan.cp01Id, newestCp01);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(*store.load(plan.id), plan);
}

TEST_F(PlanRegisterTest, SavingWithoutAmountsIsRefusedAndNothingStored)
{
    PaymentPlan plan = grantedPlan(QStringLiteral("101"), QDate(2019, 3, 1));
    plan.importeAnticipo.reset();
    plan.importeCuota.reset();
    plan.importeDeuda.reset();
    EXPECT_FALSE(reg.Guardar(plan));
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Complete todos los campos...") });
    EXPECT_EQ(plan.id, 0);
    EXPECT_TRUE(reg.Cargar_Grilla().isEmpty());
}

TEST_F(PlanRegisterTest, DeletingAsksWithNoAsDefaultAndTellsTheOutcome)
{
    EXPECT_FALSE(reg.Borrar(nullptr, 0));
    EXPECT_EQ(boxes.last(), QStringLiteral("No se encontraron planes para borrar..."));

    const qint64 id = storePlan(firstCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    QList<PaymentPlan> plans = reg.Cargar_Grilla();
    ASSERT_EQ(plans.size(), 1);
    EXPECT_FALSE(reg.Borrar(nullptr, plans.size()));
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione el plan que desea borrar..."));

    boxes.clear();
    boxes.answer(Answer::No);
    EXPECT_FALSE(reg.Borrar(&plans.front(), plans.size()));
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown().at(0).text,
        QStringLiteral("Está seguro que desea borrar el plan de fecha 01/03/2019..."));
    EXPECT_EQ(boxes.shown().at(0).buttons, MessageButtons::YesNo);
    EXPECT_EQ(boxes.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_EQ(boxes.shown().at(1).text, QStringLiteral("Operación cancelada por el operador..."));
    EXPECT_TRUE(store.load(id));

    boxes.answer(Answer::Yes);
    EXPECT_TRUE(reg.Borrar(&plans.front(), plans.size()));
    EXPECT_EQ(notices, QStringList { QStringLiteral("Registro borrado...") });
    EXPECT_TRUE(reg.Cargar_Grilla().isEmpty());
}

TEST_F(PlanRegisterTest, TheGridShowsThePlansOfBothInscriptionsNewestFirst)
{
    storePlan(firstCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    PaymentPlan newer = grantedPlan(QStringLiteral("102"), QDate(2021, 6, 1));
    newer.tasa = Rate::fromUnits(150);
    newer.importeAnticipo = money("1234.5");
    ASSERT_TRUE(store.save(newer, newestCp01));

    PlanGridModel model;
    QAbstractItemModelTester check(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setPlans(reg.Cargar_Grilla());
    ASSERT_EQ(model.rowCount(), 2);
    QStringList headers;
    QStringList first;
    for (int c = 0; c < model.columnCount(); ++c) {
        headers << model.headerData(c, Qt::Horizontal).toString();
        first << model.index(0, c).data().toString();
    }
    EXPECT_EQ(headers,
        (QStringList { QStringLiteral("Tipo Formulario"), QStringLiteral("Fecha Aprob."),
            QStringLiteral("Importe Anticipo"), QStringLiteral("Importe Cuotas"), QStringLiteral("N° Cuotas"),
            QStringLiteral("Tasa"), QStringLiteral("N° del P.F.P.") }));
    EXPECT_EQ(first,
        (QStringList { QStringLiteral("IB09"), QStringLiteral("01/06/2021"), QStringLiteral("1.234,50"),
            QStringLiteral("1.000,00"), QStringLiteral("12"), QStringLiteral("1,50"),
            QStringLiteral("102") }));
    EXPECT_EQ(model.index(1, PlanGridModel::NumPFP).data().toString(), QStringLiteral("101"));
    EXPECT_EQ(model.plan(1)->cp01Id, firstCp01);
    EXPECT_EQ(model.plan(2), nullptr);
}
