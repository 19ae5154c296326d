#include "fixtures.h"
#include "sid3/registerstore.h"
#include "sid3fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

const Period March2003 { 3, 2003 };

struct RegisterFixture
{
    Sid3Fixture f;
    qint64 sidId = 0;

    RegisterFixture()
    {
        Declaration d;
        d.cp01Id = f.cp01Id;
        d.month = 3;
        d.year = 2003;
        d.tramite = 4;
        EXPECT_TRUE(f.store.Guardar_Sid3(d, {}));
        sidId = d.id;
    }
};

RegisterRecord receipt(QDate fecha, qint64 cents, const QString& cuit = QStringLiteral("20-12345678/6"))
{
    RegisterRecord r;
    r.fecha = fecha;
    r.concepto = QStringLiteral("Recibo");
    r.monto = Money::fromUnits(cents);
    r.responsable = QStringLiteral("Agente");
    r.cuit = cuit;
    r.numAgente = QStringLiteral("1234/5");
    return r;
}

}

TEST(RegisterStore, OneClassServesTheFourTables)
{
    RegisterFixture x;
    for (Register reg : AllRegisters) {
        Sid3RegisterStore store(x.f.access, reg);
        EXPECT_EQ(Sid3RegisterStore::registerOf(store.table()), reg);
        RegisterRecord r = receipt(QDate(2003, 3, 10), 1000 + static_cast<int>(reg));
        ASSERT_TRUE(store.Guardar(r, x.sidId, March2003)) << store.table().toStdString();
        EXPECT_GT(r.id, 0);
    }
    EXPECT_FALSE(Sid3RegisterStore::registerOf(QStringLiteral("Form_Sid3; DROP TABLE CMD")));
    // Each register keeps only its own records.
    auto total = Sid3RegisterStore(x.f.access, Register::PagoACuenta).VerTabla(x.sidId);
    ASSERT_TRUE(total);
    EXPECT_EQ(total->total.toPlain(), QStringLiteral("10.02"));
    EXPECT_EQ(total->count, 1);
}

TEST(RegisterStore, ReceiptDatesUpToTheLimitOfTheRegister)
{
    RegisterFixture x;
    Sid3RegisterStore retenciones(x.f.access, Register::Retenciones);
    Sid3RegisterStore percepciones(x.f.access, Register::Percepciones);
    RegisterRecord late = receipt(QDate(2003, 4, 15), 100);
    EXPECT_TRUE(retenciones.Guardar(late, x.sidId, March2003));
    RegisterRecord same = receipt(QDate(2003, 4, 15), 100);
    const Status refused = percepciones.Guardar(same, x.sidId, March2003);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), QStringLiteral("Error la fecha debe ser anterior a 31/03/2003..."));
    RegisterRecord tooLate = receipt(QDate(2003, 4, 16), 100);
    EXPECT_EQ(retenciones.Guardar(tooLate, x.sidId, March2003).error(),
        QStringLiteral("Error la fecha debe ser anterior a 15/04/2003..."));
}

TEST(RegisterStore, AgentRegistersNeedTheCuitOthersDoNot)
{
    RegisterFixture x;
    RegisterRecord r = receipt(QDate(2003, 3, 1), 100, QString());
    const Status refused
        = Sid3RegisterStore(x.f.access, Register::Percepciones).Guardar(r, x.sidId, March2003);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), QStringLiteral("Ingrese el número de CUIT..."));
    EXPECT_TRUE(Sid3RegisterStore(x.f.access, Register::Compensaciones).Guardar(r, x.sidId, March2003));
}

TEST(RegisterStore, ListsInOrderLooksUpAgentsAndDeletes)
{
    RegisterFixture x;
    Sid3RegisterStore store(x.f.access, Register::Retenciones);
    RegisterRecord a = receipt(QDate(2003, 3, 20), 500);
    RegisterRecord b = receipt(QDate(2003, 3, 2), 900);
    b.responsable = QStringLiteral("Último Agente");
    b.numAgente = QStringLiteral("1234/5");
    ASSERT_TRUE(store.Guardar(a, x.sidId, March2003));
    ASSERT_TRUE(store.Guardar(b, x.sidId, March2003));

    auto byDate = store.records(x.sidId, RegisterOrder::Fecha);
    ASSERT_TRUE(byDate);
    ASSERT_EQ(byDate->size(), 2);
    EXPECT_EQ(byDate->at(0).id, b.id);
    EXPECT_EQ(byDate->at(0).mes, QStringLiteral("3"));
    EXPECT_EQ(byDate->at(0).anio, QStringLiteral("2003"));
    EXPECT_EQ(store.records(x.sidId, RegisterOrder::Monto)->at(0).id, a.id);

    auto agent = store.agentByNumber(QStringLiteral("1234/5"));
    ASSERT_TRUE(agent && agent->has_value());
    EXPECT_EQ(agent->value().responsable, QStringLiteral("Último Agente"));
    EXPECT_FALSE(store.agentByNumber(QStringLiteral("9999/9"))->has_value());

    ASSERT_TRUE(store.Borrar(a.id));
    EXPECT_EQ(store.VerTabla(x.sidId)->count, 1);
    ASSERT_TRUE(store.BorrarTodos(x.sidId));
    const RegisterTotal empty = *store.VerTabla(x.sidId);
    EXPECT_TRUE(empty.total.isZero());
    EXPECT_EQ(empty.count, 0);
}

TEST(RegisterStore, ImportInsertsTheAcceptedLinesAndCountsTheRest)
{
    RegisterFixture x;
    Sid3RegisterStore store(x.f.access, Register::Percepciones);
    const ImportFile file = parseImportFile(fixtureBytes(QStringLiteral("sid3/registros_validos.txt")));
    auto outcome = store.Ingresar_Registros(x.sidId, March2003, file, [] { return true; });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->inserted, 3);
    EXPECT_EQ(outcome->rejected, 2);
    EXPECT_EQ(outcome->message(),
        QStringLiteral("3 registros ingresados...\nImportación de datos finalizada satisfactoriamente...\n"
                       "Se rechazaron 2 registros..."));
    const RegisterTotal t = *store.VerTabla(x.sidId);
    EXPECT_EQ(t.total.toPlain(), QStringLiteral("1484.74")); // 150,25 + 1.234,50 + 99,99
    EXPECT_EQ(t.count, 3);
    auto rows = store.records(x.sidId, RegisterOrder::Fecha);
    EXPECT_EQ(rows->at(0).responsable, QStringLiteral("Compañía O´Brien S.A."));
    EXPECT_EQ(rows->at(1).cuit, QString());
}

TEST(RegisterStore, ImportStopsWhenTheUserSaysSoAndCanBeCancelled)
{
    RegisterFixture x;
    QSqlQuery(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON PagoACuenta WHEN NEW.Per_Concepto = "
                             "'Recibo 2' BEGIN SELECT RAISE(ABORT, 'falla'); END"),
        x.f.t.db());
    Sid3RegisterStore store(x.f.access, Register::PagoACuenta);
    const ImportFile file = parseImportFile(fixtureBytes(QStringLiteral("sid3/registros_validos.txt")));
    int asked = 0;
    auto stopped = store.Ingresar_Registros(x.sidId, March2003, file, [&] {
        ++asked;
        return false;
    });
    ASSERT_TRUE(stopped);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(stopped->inserted, 1);
    EXPECT_EQ(stopped->rejected, 1);

    int lines = 0;
    auto cancelled = store.Ingresar_Registros(
        x.sidId, March2003, file, [] { return true; }, [&](int done) { return ++lines > 1 && done == 1; });
    ASSERT_TRUE(cancelled);
    EXPECT_TRUE(cancelled->cancelled);
    EXPECT_EQ(cancelled->inserted, 1);
    EXPECT_EQ(cancelled->message(), QStringLiteral("1 registros ingresados...\nTransferencia cancelada..."));
}

TEST(RegisterStore, RecordFieldsAsTheScreenTypesThem)
{
    RegisterRecord r = receipt(QDate(2003, 3, 10), 123450);
    r.mes = QStringLiteral("3");
    r.anio = QStringLiteral("2003");
    EXPECT_EQ(withRegisterFields({}, registerFields(r)), r);

    FieldValues typed = registerFields(r);
    typed[QStringLiteral("Per_Fecha")] = QStringLiteral("10/03/2003");
    typed[QStringLiteral("Per_Monto")] = QStringLiteral("1.234,50");
    EXPECT_EQ(withRegisterFields({}, typed), r);
    typed[QStringLiteral("Per_Fecha")] = QStringLiteral("31/02/2003");
    typed[QStringLiteral("Per_Monto")] = QStringLiteral("12,3,4");
    const RegisterRecord bad = withRegisterFields({}, typed);
    EXPECT_FALSE(bad.fecha.isValid());
    EXPECT_FALSE(bad.monto);
}
