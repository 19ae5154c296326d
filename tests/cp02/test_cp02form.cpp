#include "cp02/cp02form.h"
#include "cp02fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;
using namespace ventrix::test;

namespace {

struct FormFixture : Cp02Fixture
{
    QList<qint64> printed;
    QStringList status;
    Cp02Form form { cp02, cmdId, cp01Id,
        { [this](const QString& text, int) { status << text; },
            [this](const Cp02Record& r) { printed << r.id(); } } };

    FormFixture() { EXPECT_TRUE(form.open()); }

    // A new declaration of 2025 ready to store.
    void filled()
    {
        ASSERT_TRUE(form.aceptarPeriodo(2025, Original));
        form.record().set(col::NumEmpleados, 2);
    }
};

}

TEST(Cp02Form, OpensEmptyWithTheTaxpayersDataAndTitle)
{
    FormFixture f;
    EXPECT_EQ(f.status.value(0), QStringLiteral("Cargando Datos..."));
    EXPECT_EQ(f.form.taxpayer().text(QStringLiteral("CP01_CUIT")), QStringLiteral("20-12345678/6"));
    EXPECT_EQ(f.form.title(), QStringLiteral("Formulario CP02 Ingresando Nuevo Período "));
    EXPECT_TRUE(f.form.declarations().isEmpty());
    f.filled();
    ASSERT_EQ(f.form.record().activities.size(), 1);
    EXPECT_EQ(f.form.record().activities.front().actividad, QStringLiteral("Com1:Actividad 624101"));
    ASSERT_TRUE(f.form.Guardar());
    EXPECT_EQ(f.form.title(), QStringLiteral("Formulario CP02 Período 2025"));
}

TEST(Cp02Form, PeriodAndTypeAreAcceptedByTheAuthoritysRules)
{
    FormFixture f;
    EXPECT_FALSE(f.form.aceptarPeriodo(0, Original));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Complete el período..."));
    EXPECT_FALSE(f.form.aceptarPeriodo(2025, Rectificativa));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("No existe trámite original del período para hacer una rectificativa..."));
    EXPECT_EQ(f.form.record().periodo(), 0);

    f.storeDeclaration(2025);
    f.boxes.clear();
    EXPECT_TRUE(f.form.aceptarPeriodo(2025, Rectificativa));
    EXPECT_TRUE(f.boxes.shown().isEmpty());
    EXPECT_EQ(f.form.record().tramite(), QStringLiteral("Rectificativa"));
}

TEST(Cp02Form, ChangingAStoredPeriodAsksTwiceAndKeepsTheRowsUntilStored)
{
    FormFixture f;
    const qint64 key = f.storeDeclaration(2024);
    ASSERT_TRUE(f.form.seleccionar(key));
    EXPECT_FALSE(f.form.pedirTabPeriodo());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("No se puede modificar el período ni el tipo de trámite una vez almacenado..."));

    f.boxes.answer(Answer::Yes);
    f.boxes.answer(Answer::No);
    EXPECT_FALSE(f.form.aceptarPeriodo(2025, Original));
    ASSERT_EQ(f.boxes.shown().size(), 4);
    EXPECT_EQ(f.boxes.shown().at(1).text,
        QStringLiteral("Ud. está modificando la identificación de un período ya almacenado...\n"
                       "Si desea ingresar un nuevo período haga clic en el botón nuevo...\n"
                       "Desea continuar para modificar el período..."));
    EXPECT_EQ(f.boxes.shown().at(1).defaultAnswer, Answer::No);
    EXPECT_EQ(f.boxes.shown().at(2).text,
        QStringLiteral(
            "Para poder realizar éste cambio de período el sistema tiene que cargar las actividades "
            "que Ud. tienen definida para el nuevo período. Desea continuar?"));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Modificación cancelada por el sistema..."));
    EXPECT_EQ(f.form.record().periodo(), 2024);

    f.boxes.answer(Answer::Yes);
    f.boxes.answer(Answer::Yes);
    ASSERT_TRUE(f.form.aceptarPeriodo(2025, Original));
    EXPECT_EQ(f.form.record().periodo(), 2025);
    EXPECT_EQ(f.form.record().activities.front().base, std::nullopt);
    // The stored rows are still there until the declaration is stored again.
    EXPECT_EQ(countOf(f.t.db(),
                  QStringLiteral("SELECT COUNT(*) FROM Cp02_ImpAnual WHERE CPIA_BaseImponible IS NOT NULL")),
        1);
}

TEST(Cp02Form, StoringChecksComeInOrderWithTheirMessages)
{
    FormFixture f;
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Ingrese el período..."));
    ASSERT_TRUE(f.form.aceptarPeriodo(2025, Original));
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Debe ingresar la cantidad de empleados..."));
    f.form.record().set(col::NumEmpleados, 1);
    f.form.record().set(col::exempt(4, QStringLiteral("FechaIni")), QDate(2025, 6, 2));
    f.form.record().set(col::exempt(4, QStringLiteral("FechaFin")), QDate(2025, 6, 1));
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(
        f.boxes.last(), QStringLiteral("Error la fecha de Inicio es mayor a la fecha de Finalización..."));
    f.form.record().set(col::exempt(4, QStringLiteral("FechaFin")), QDate(2025, 6, 2));
    f.form.record().activities.front().numEmp.reset();
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral(
            "Debe completar el número de empleados de la actividad:\n624101 - Com1:Actividad 624101"));
    f.form.record().activities.front().numEmp = 2;
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("La cantidad de empleados totales no puede ser menor al máximo número de empleados "
                       "declarado en una actividad..."));
    EXPECT_TRUE(f.printed.isEmpty());
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CP02")), 0);

    f.form.record().set(col::NumEmpleados, 2);
    ASSERT_TRUE(f.form.Guardar());
    EXPECT_EQ(f.printed, QList<qint64> { f.form.record().id() });
    ASSERT_EQ(f.form.declarations().size(), 1);
    EXPECT_EQ(f.form.declarations().front().text(), QStringLiteral("Período 2025 Original"));
}

TEST(Cp02Form, ComputationsLandInTheRecord)
{
    FormFixture f;
    f.filled();
    AnnualActivity& a = f.form.record().activities.front();
    a.base = money("10000");
    f.form.CalculaImpuesto(0);
    EXPECT_EQ(a.impuesto, money("350"));
    a.exento = true;
    f.form.CalculaImpuesto(0);
    EXPECT_EQ(a.impuesto, money("0"));

    f.form.record().setMoney(col::Gravado, money("100"));
    f.form.record().set(col::NoGravado, QStringLiteral("abc"));
    EXPECT_EQ(f.form.SumTotal(), money("100"));
    EXPECT_EQ(f.form.record().money(col::NoGravado), money("0"));

    f.form.setMinimoOption(MinimoOption::Anuales);
    f.form.record().months.at(0).amounts.anticipo = money("1200");
    f.form.record().months.at(1).amounts.minimo = money("1500");
    f.form.record().months.at(1).amounts.depositado = money("1600");
    f.form.CalculaTotalGrid2();
    EXPECT_EQ(f.form.record().money(col::Impuesto), money("1500"));
    EXPECT_EQ(f.form.record().money(col::FavorContrib), money("100"));
    EXPECT_EQ(f.form.record().money(col::FavorAgt), money("0"));
    EXPECT_EQ(f.form.monthTotals().computado, money("2700"));
}

TEST(Cp02Form, DeletingAsksAboutTheChosenDeclaration)
{
    FormFixture f;
    EXPECT_FALSE(f.form.Borrar(0));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Seleccione el período que desea borrar..."));
    const qint64 key = f.storeDeclaration(2024);
    ASSERT_TRUE(f.form.reloadList());
    EXPECT_FALSE(f.form.Borrar(key)); // unanswered: the default, No
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Está seguro que desea borrar el Período 2024 Original..."));
    EXPECT_EQ(f.boxes.shown().back().defaultAnswer, Answer::No);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CP02")), 1);
    f.boxes.answer(Answer::Yes);
    EXPECT_TRUE(f.form.Borrar(key));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Período borrado..."));
    EXPECT_TRUE(f.form.declarations().isEmpty());
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CP02")), 0);
}
