#include "common/clock.h"
#include "fixtures.h"
#include "scriptedmessages.h"
#include "sid3/sid3form.h"
#include "sid3/sid3registerform.h"
#include "sid3fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

const Period March2003 { 3, 2003 };

struct RegisterFormTest : ::testing::Test
{
    Sid3Fixture f;
    ScriptedMessages messages;
    qint64 sidId = 0;
    QStringList statuses;

    void SetUp() override
    {
        Declaration d;
        d.cp01Id = f.cp01Id;
        d.month = 3;
        d.year = 2003;
        d.tramite = 4;
        ASSERT_TRUE(f.store.Guardar_Sid3(d, {}));
        sidId = d.id;
    }

    Sid3RegisterForm form(Register reg)
    {
        return Sid3RegisterForm(
            f.access, reg, sidId, March2003, { [this](const QString& text, int) { statuses << text; }, {} });
    }
};

RegisterRecord receipt(const Sid3RegisterForm& form, QDate fecha, qint64 cents)
{
    RegisterRecord r = form.Nuevo();
    r.fecha = fecha;
    r.concepto = QStringLiteral("Recibo");
    r.monto = Money::fromUnits(cents);
    r.cuit = QStringLiteral("20-12345678/6");
    return r;
}

}

TEST_F(RegisterFormTest, DeletingARecordAsksFirst)
{
    Sid3RegisterForm retenciones = form(Register::Retenciones);
    EXPECT_EQ(retenciones.caption(), QStringLiteral("Retenciones..."));
    RegisterRecord r = receipt(retenciones, QDate(2003, 3, 4), 1000);
    ASSERT_TRUE(retenciones.Guardar(r));
    EXPECT_EQ(retenciones.total(), (RegisterTotal { Money::fromUnits(1000), 1 }));

    EXPECT_FALSE(retenciones.Borrar(r)); // unanswered: No
    EXPECT_EQ(messages.last(),
        QStringLiteral("Está seguro que desea borrar el concepto Recibo de fecha 04/03/2003..."));
    EXPECT_EQ(statuses.last(), QStringLiteral("Operación cancelada..."));
    messages.answer(Answer::Yes);
    EXPECT_TRUE(retenciones.Borrar(r));
    EXPECT_EQ(statuses.last(), QStringLiteral("Registro borrado..."));
    EXPECT_EQ(retenciones.total().count, 0);
}

TEST_F(RegisterFormTest, DeletingAllLeavesTotalAndCountZero)
{
    Sid3RegisterForm otros = form(Register::PagoACuenta);
    RegisterRecord a = receipt(otros, QDate(2003, 3, 4), 1000), b = receipt(otros, QDate(2003, 3, 5), 250);
    ASSERT_TRUE(otros.Guardar(a));
    ASSERT_TRUE(otros.Guardar(b));
    EXPECT_FALSE(otros.BorrarTodos());
    EXPECT_EQ(messages.last(), QStringLiteral("Está seguro que desea borrar todos los registros ..."));
    messages.answer(Answer::Yes);
    EXPECT_TRUE(otros.BorrarTodos());
    EXPECT_EQ(messages.last(), QStringLiteral("Se borraron todos los registros..."));
    EXPECT_EQ(otros.total(), (RegisterTotal {}));
}

TEST_F(RegisterFormTest, ALateDateIsRefusedAndAKnownAgentIsFilledIn)
{
    Sid3RegisterForm percepciones = form(Register::Percepciones);
    EXPECT_FALSE(percepciones.fechaValida(QDate(2003, 4, 1)));
    EXPECT_EQ(messages.last(), QStringLiteral("Error la fecha debe ser anterior a 31/03/2003..."));
    EXPECT_TRUE(percepciones.fechaValida(QDate(2003, 3, 31)));

    RegisterRecord known = receipt(percepciones, QDate(2003, 3, 4), 1000);
    known.responsable = QStringLiteral("Agente Uno");
    known.numAgente = QStringLiteral("1234/5");
    ASSERT_TRUE(percepciones.Guardar(known));
    RegisterRecord next = percepciones.Nuevo();
    next.numAgente = QStringLiteral("1234/5");
    percepciones.completarAgente(next);
    EXPECT_EQ(next.responsable, QStringLiteral("Agente Uno"));
    EXPECT_EQ(next.cuit, QStringLiteral("20-12345678/6"));
}

TEST_F(RegisterFormTest, ImportReportsWhatItDid)
{
    Sid3RegisterForm compensaciones = form(Register::Compensaciones);
    ASSERT_TRUE(compensaciones.Ingresar_Registros(
        parseImportFile(fixtureBytes(QStringLiteral("sid3/registros_malformados.txt")))));
    EXPECT_EQ(messages.last(),
        QStringLiteral("2 registros ingresados...\nImportación de datos finalizada satisfactoriamente...\n"
                       "Se rechazaron 6 registros..."));
    EXPECT_EQ(compensaciones.total().count, 2);
}

TEST_F(RegisterFormTest, TheDeclarationTakesTheRegistersTotalBack)
{
    FixedClock clock(QDate(2003, 4, 20));
    Clock::install(&clock);
    f.addIndices(QDate(2003, 1, 1), QDate(2003, 5, 31));
    Sid3Form declaration(f.access, f.indices, f.cmdId, f.cp01Id,
        { {}, {}, {}, [this](Register reg, qint64 id, Period p) {
             Sid3RegisterForm screen(f.access, reg, id, p);
             RegisterRecord r = receipt(screen, QDate(2003, 4, 10), 4200);
             EXPECT_TRUE(screen.Guardar(r));
             return screen.total();
         } });
    EXPECT_FALSE(declaration.CallRegistraciones(Register::Retenciones));
    EXPECT_EQ(messages.last(), QStringLiteral("Debe ingresar un nuevo período..."));

    declaration.declaration().month = 3;
    declaration.declaration().year = 2003;
    declaration.declaration().tramite = 4;
    ASSERT_TRUE(declaration.CallRegistraciones(Register::Retenciones));
    const Declaration& d = declaration.declaration();
    EXPECT_GT(d.id, 0); // stored before the register was opened
    EXPECT_EQ(d.registerTotal(Register::Retenciones), (RegisterTotal { Money::fromUnits(4200), 1 }));
    EXPECT_EQ(d.saldoContrib.toPlain(), QStringLiteral("42.00"));
    auto stored = f.store.load(d.id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->registerTotal(Register::Retenciones).count, 1);
    Clock::install(nullptr);
}
