#include "common/clock.h"
#include "scriptedmessages.h"
#include "sid3/sid3form.h"
#include "sid3fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

// Today is 20/04/2003; indices from December 2002 to the end of May 2003, growing 0,1 a day.
struct Sid3FormTest : ::testing::Test
{
    Sid3Fixture f;
    ScriptedMessages messages;
    FixedClock clock { QDate(2003, 4, 20) };
    std::optional<NewPeriod> chosen;
    int closed = 0;
    Sid3Form form { f.access, f.indices, f.cmdId, f.cp01Id,
        { {}, [this] { return chosen; }, [this] { ++closed; }, {} } };

    void SetUp() override
    {
        Clock::install(&clock);
        f.addIndices(QDate(2002, 12, 1), QDate(2003, 5, 31));
        f.addActivity(QStringLiteral("Form_Cp01_Act"), f.cp01Id, QStringLiteral("624101"),
            QStringLiteral("Venta"), QStringLiteral("2003-01-10"));
        ASSERT_TRUE(form.open());
    }
    void TearDown() override { Clock::install(nullptr); }

    bool startMarch(Procedure procedure = Procedure::Anticipo)
    {
        chosen = NewPeriod { { 3, 2003 }, procedure, Rate::fromUnits(300) };
        return form.Cmb_NuevoPer();
    }
};

}

TEST_F(Sid3FormTest, ANewPeriodTakesTheActivitiesAndIsTaxedStoredAndCharged)
{
    messages.answer(Answer::No); // no annual declaration of 2002: keep the inscription's employees
    ASSERT_TRUE(startMarch());
    EXPECT_EQ(messages.last(),
        QStringLiteral("No se encontraron declaraciones juradas \"CP02\" del período 2002\n\n\n"
                       "Le corresponde a Ud. tener ingresada la DDJJ Anual \"CP02\" del período 2002...?"));
    ASSERT_EQ(form.lines().size(), 1);
    EXPECT_EQ(form.lines()[0].denominacion, QStringLiteral("Com1:Venta"));

    form.lines()[0].baseImp = Money::fromInteger(10000); // 3,5 % = 350,00
    form.CalculaImpuesto();
    EXPECT_EQ(form.declaration().subTotalAgt->toPlain(), QStringLiteral("350.00"));
    form.setRegisterTotal(Register::Retenciones, { Money::fromInteger(50), 1 });
    EXPECT_EQ(form.declaration().saldoAgt.toPlain(), QStringLiteral("300.00"));

    ASSERT_TRUE(form.Guardar());
    const Declaration& d = form.declaration();
    EXPECT_GT(d.id, 0);
    EXPECT_EQ(d.fhVto, QDate(2003, 4, 15));
    EXPECT_EQ(d.fechaPago, QDate(2003, 4, 20)); // today: the due month has come
    // Five days late at 0,1 a day: 0,5 % of 300,00.
    EXPECT_EQ(d.interes->toPlain(), QStringLiteral("1.50"));
    EXPECT_EQ(d.totalDepositar->toPlain(), QStringLiteral("301.50"));

    Sid3Form again(f.access, f.indices, f.cmdId, f.cp01Id, {});
    ASSERT_TRUE(again.open());
    ASSERT_TRUE(again.CargarTabla(d.id));
    EXPECT_EQ(again.declaration(), d);
    EXPECT_EQ(again.lines(), form.lines());
}

TEST_F(Sid3FormTest, CompletingTheAnnualDeclarationFirstDiscardsTheNewPeriod)
{
    messages.answer(Answer::Yes);
    EXPECT_FALSE(startMarch());
    EXPECT_EQ(messages.last(), QStringLiteral("Complete el período 2002 en el formulario \"CP02\"..."));
    EXPECT_FALSE(form.declaration().hasPeriod());
    EXPECT_TRUE(form.lines().isEmpty());
}

TEST_F(Sid3FormTest, ACancelledDialogLeavesNothingOnScreen)
{
    chosen.reset();
    EXPECT_FALSE(form.Cmb_NuevoPer());
    EXPECT_FALSE(form.Guardar());
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3")), 0);
}

TEST_F(Sid3FormTest, DeletingAsksAndDefaultsToNo)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch());
    ASSERT_TRUE(form.Guardar());
    EXPECT_FALSE(form.Cmb_Borrar()); // unanswered: the default No
    EXPECT_EQ(messages.shown().back().defaultAnswer, Answer::No);
    EXPECT_EQ(messages.last(),
        QStringLiteral("Está seguro que desea borrar los datos del contribuyente Pérez Juan\n"
                       "del período 3 del año 2003 del trámite Anticipo"));
    messages.answer(Answer::Yes);
    EXPECT_TRUE(form.Cmb_Borrar());
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3")), 0);
}

TEST_F(Sid3FormTest, AStoredDeclarationOutsideTheIndexTableIsRefused)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch());
    ASSERT_TRUE(form.Guardar());
    QSqlQuery(QStringLiteral("DELETE FROM Indices WHERE Fecha >= '2003-04-01'"), f.t.db());
    Sid3Form later(f.access, f.indices, f.cmdId, f.cp01Id, {});
    ASSERT_TRUE(later.open());
    ASSERT_FALSE(later.CargarTabla(form.declaration().id));
    EXPECT_EQ(messages.last(),
        QStringLiteral("Tabla de tasas incompatible con las liquidaciones del contribuyente seleccionado...\n"
                       "Verifique que tenga todas las tasas ingresadas..."));
    EXPECT_FALSE(later.declaration().hasPeriod());
    EXPECT_FALSE(later.Cmb_NuevoPer());
}

TEST_F(Sid3FormTest, AMissingIndexClosesTheScreen)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch());
    form.declaration().fhVto = QDate(2003, 4, 15);
    form.declaration().fechaPago = QDate(2003, 6, 2);
    EXPECT_FALSE(form.CalculaInteres());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(form.declaration().fechaPago.isValid());
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Ud. está tratando de ingresar una fecha de pago para la cual no existe el índice de "
            "actualiazación en el sistema...\nUd. debe tener cargado el índice correspondiente al mes "
            "de pago..."));
}

TEST_F(Sid3FormTest, ARectificativaKeepsTheTypedInterest)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch(Procedure::Rectificativa));
    form.lines()[0].baseImp = Money::fromInteger(10000);
    form.CalculaImpuesto();
    form.declaration().interes = Money::fromUnits(725);
    form.CalculaDefault();
    EXPECT_EQ(form.declaration().interes->toPlain(), QStringLiteral("7.25"));
    EXPECT_EQ(form.declaration().totalDepositar->toPlain(), QStringLiteral("357.25"));
}

TEST(Sid3FormOpen, AnEmptyIndexTableIsRefused)
{
    Sid3Fixture f;
    Sid3Form form(f.access, f.indices, f.cmdId, f.cp01Id, {});
    const Status opened = form.open();
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error(), QStringLiteral("No se encuentran tasas cargadas..."));
}

TEST_F(Sid3FormTest, OnlyTheDayOfTheDueDateMayBeChanged)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch());
    form.CalculaDefault();
    ASSERT_EQ(form.proposedDueDate(), QDate(2003, 4, 15));

    form.fhVtoEntered(QDate(2003, 4, 16));
    EXPECT_EQ(form.declaration().fhVto, QDate(2003, 4, 16));
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral(
        "Recuerde que ud. está completando una declaración jurada y la fecha de vencimiento debe "
        "coincidir con la que publica la Agencia General Tributaria, que se fijó para el día 15 de "
        "cada mes salvo los días Sábados, Domingos y Feriados...")));

    form.fhVtoEntered(QDate(2003, 5, 15));
    EXPECT_EQ(messages.last(),
        QStringLiteral(
            "Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es aceptada "
            "si el día propuesto por el sistema es feriado..."));
    EXPECT_EQ(form.declaration().fhVto, QDate(2003, 4, 15));

    form.fhVtoInvalid(QString());
    EXPECT_EQ(messages.last(), QStringLiteral("Ingrese una fecha de vencimiento válida..."));
    form.fhVtoInvalid(QStringLiteral("31/13/2003"));
    EXPECT_EQ(messages.last(), QStringLiteral("El formato para la fecha es: 20/04/2003"));
    EXPECT_EQ(form.declaration().fhVto, QDate(2003, 4, 15));
}

TEST_F(Sid3FormTest, APaymentDatePastTheIndexTableBecomesItsLastDay)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch());
    form.lines()[0].baseImp = Money::fromInteger(10000);
    form.CalculaImpuesto();
    form.CalculaDefault();
    form.fechaPagoEntered(QDate(2003, 7, 1));
    EXPECT_EQ(messages.last(),
        QStringLiteral("La fecha de Pago debe ser menor al 31/05/2003 según las tasas ingresadas..."));
    EXPECT_EQ(form.declaration().fechaPago, QDate(2003, 5, 31));
    // 46 days at 0,1 a day on 350,00.
    EXPECT_EQ(form.declaration().interes->toPlain(), QStringLiteral("16.10"));
}

TEST_F(Sid3FormTest, ATypedInterestIsWrittenAtOnceForAStoredDeclaration)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch(Procedure::Rectificativa));
    ASSERT_TRUE(form.Guardar());
    ASSERT_TRUE(form.interesEntered(Money::fromUnits(990)));
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT Sid_Interes FROM Form_Sid3")), 990);
    // Text that is not an amount counts as no interest.
    ASSERT_TRUE(form.interesEntered(std::nullopt));
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3 WHERE Sid_Interes = 0")), 1);
}

TEST_F(Sid3FormTest, DatesAsTypedAndTheInterestFollowingTheBase)
{
    messages.answer(Answer::No);
    ASSERT_TRUE(startMarch());
    // A due date typed before any was proposed is judged against the authority's one.
    form.fhVtoTyped(QStringLiteral("16/04/2003"));
    EXPECT_EQ(form.declaration().fhVto, QDate(2003, 4, 16));
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("Recuerde que ud. está completando")));
    form.fhVtoTyped(QStringLiteral("15/04/2003"));
    form.fechaPagoTyped(QStringLiteral("mañana"));
    EXPECT_EQ(messages.last(), QStringLiteral("El formato para la fecha es: 20/04/2003"));
    EXPECT_EQ(form.declaration().fechaPago, QDate(2003, 4, 20)); // proposed again: today
    form.fechaPagoTyped(QStringLiteral("25/04/2003"));
    EXPECT_EQ(form.declaration().fechaPago, QDate(2003, 4, 25));

    // Ten days late at 0,1 a day: the interest follows every change of the base.
    form.lines()[0].baseImp = Money::fromInteger(10000);
    form.lineEdited();
    EXPECT_EQ(form.declaration().interes->toPlain(), QStringLiteral("3.50"));
    EXPECT_EQ(form.declaration().totalDepositar->toPlain(), QStringLiteral("353.50"));
    form.declaration().noGravado = Money::fromInteger(5);
    EXPECT_EQ(form.incomeTotals().totalImpuestos.toPlain(), QStringLiteral("10005.00"));
}
