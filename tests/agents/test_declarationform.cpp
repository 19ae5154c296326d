#include "agents/declarationform.h"

#include "agentsfixture.h"
#include "common/clock.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

const QString Confirm = qs("UD. está por confeccionar la DDJJ mensual del período 03/2005.\n"
                           "Una vez realizado todos los pagos que queden incluídos en ésta DDJJ quedarán "
                           "bloqueados para modificar y/o "
                           "borrar, el mismo efecto se traslada para todas los registros de Retención...\n"
                           "Si necesita borrar una DDJJ ingrese en el botón Información (Info.)  .\n\n"
                           "Está seguro que desea realizar la DDJJ...");

class DeclarationFormTest : public ::testing::Test, public AgentsFixture
{
protected:
    DeclarationFormTest()
    {
        RandomSource::install(&drawn);
        Clock::install(&clock);
    }
    ~DeclarationFormTest() override
    {
        RandomSource::install(nullptr);
        Clock::install(nullptr);
    }

    qint64 withholding(QDate fecha)
    {
        return execInsert(t.db(),
            qs("INSERT INTO Form_AgentRetencion (CP01_ID, AgRet_Fecha_Retencion, AgRet_Imp_Retenido) VALUES "
               "(?, ?, ?)"),
            { cp01Id, fecha.toString(Qt::ISODate), 1000 })
            .toLongLong();
    }
    QString numberOf(qint64 id)
    {
        QSqlQuery q(t.db());
        q.prepare(qs("SELECT AgRet_DDJJNumForm FROM Form_AgentRetencion WHERE AgRet_ID = ?"));
        q.addBindValue(id);
        return q.exec() && q.next() ? q.value(0).toString() : qs("?");
    }

    ScriptedMessages messages;
    Scripted drawn;
    FixedClock clock { QDate(2005, 4, 5) };
    DeclarationStore store { access, RegisterKind::retenciones() };
    QStringList statuses;
    bool printerChosen = true;
    DeclarationForm form { store, cmdId,
        { [this](const QString& text, int) { statuses.append(text); }, [this] { return printerChosen; } } };
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));
};

}

TEST_F(DeclarationFormTest, AMonthWithoutDepositIsRefused)
{
    const qint64 row = withholding(QDate(2005, 3, 10));
    EXPECT_FALSE(form.declarar(march));
    EXPECT_EQ(messages.texts(),
        QStringList {
            qs("Ud. debe tener al menos un pago en el período antes de realizar la Declaración Jurada...") });
    EXPECT_EQ(numberOf(row), QString());
}

TEST_F(DeclarationFormTest, DeclaringAsksThenMarksWithTheDrawnNumber)
{
    const qint64 row = withholding(QDate(2005, 3, 10));
    addDeposit(qs("Retención"), march.desde, march.hasta);
    drawn.next = { 815 };
    messages.answer(Answer::Yes);
    const auto made = form.declarar(march);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->numero, qs("0000815"));
    EXPECT_EQ(made->fechaPres, QDate(2005, 4, 5));
    EXPECT_EQ(numberOf(row), qs("0000815"));
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown().at(0).text, Confirm);
    EXPECT_EQ(messages.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_EQ(messages.shown().at(1).text, qs("Declaración Jurada procesada correctamente..."));
    EXPECT_EQ(statuses,
        (QStringList { qs("Buscando número de DDJJ..."), qs("Procesando Pagos del período"),
            qs("Procesando Constancias...") }));

    // Printed again days later: same number, same presentation day.
    clock.set(QDate(2005, 4, 9).startOfDay());
    messages.answer(Answer::Yes);
    const auto again = form.declarar(march);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->numero, qs("0000815"));
    EXPECT_EQ(again->fechaPres, QDate(2005, 4, 5));
}

TEST_F(DeclarationFormTest, NoAnswerCancelledPrinterOrEarlyDayMarkNothing)
{
    const qint64 row = withholding(QDate(2005, 3, 10));
    addDeposit(qs("Retención"), march.desde, march.hasta);
    EXPECT_FALSE(form.declarar(march)); // default answer No
    EXPECT_EQ(statuses, QStringList { qs("DDJJ cancelada...") });

    drawn.next = { 1 };
    printerChosen = false;
    messages.answer(Answer::Yes);
    EXPECT_FALSE(form.declarar(march));
    EXPECT_EQ(numberOf(row), QString());

    // The last day of the month is allowed, the day before refused.
    printerChosen = true;
    clock.set(QDate(2005, 3, 30).startOfDay());
    messages.clear();
    messages.answer(Answer::Yes);
    EXPECT_FALSE(form.declarar(march));
    EXPECT_EQ(messages.last(), qs("La DDJJ para el período 03/2005 no puede realizarse antes de 01/04/2005"));
    EXPECT_EQ(numberOf(row), QString());
    clock.set(QDate(2005, 3, 31).startOfDay());
    drawn.next = { 2 };
    messages.answer(Answer::Yes);
    ASSERT_TRUE(form.declarar(march));
    EXPECT_EQ(numberOf(row), qs("0000002"));
}

TEST_F(DeclarationFormTest, UndoingAsksTwiceAndRedeclaringDrawsANewNumber)
{
    EXPECT_FALSE(form.borrar(march));
    EXPECT_EQ(messages.last(), qs("No tiene DDJJ para borrar..."));

    const qint64 row = withholding(QDate(2005, 3, 10));
    addDeposit(qs("Retención"), march.desde, march.hasta);
    drawn.next = { 815 };
    messages.answer(Answer::Yes);
    ASSERT_TRUE(form.declarar(march));

    messages.clear();
    messages.answer(Answer::Yes);
    EXPECT_FALSE(form.borrar(march)); // the second question defaults to No
    EXPECT_EQ(numberOf(row), qs("0000815"));
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown().at(0).text,
        qs("Está seguro que desea borrar las marcas de la declaración jurada del período seleccionado?..."));
    EXPECT_EQ(messages.shown().at(1).text,
        qs("Desea borrar la DDJJ que agrupa a todos éstos pagos...?\n"
           "La DDJJ que está borrar es el N° 0000815 presentada el día 05/04/2005\n"
           "Está seguro que desea continuar..."));

    messages.clear();
    messages.answer(Answer::Yes);
    messages.answer(Answer::Yes);
    EXPECT_TRUE(form.borrar(march));
    EXPECT_EQ(messages.last(), qs("DDJJ borradas..."));
    EXPECT_EQ(numberOf(row), QString());

    drawn.next = { 816 };
    messages.answer(Answer::Yes);
    const auto again = form.declarar(march);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->numero, qs("0000816"));
}
