#include "agents/operationstore.h"
#include "agents/periodmodel.h"

#include <QAbstractItemModelTester>

#include "agentsfixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using ventrix::test::AgentsFixture;
using ventrix::test::sampleOperation;

namespace {

class StoreTest : public ::testing::TestWithParam<AgentRegister>
{
protected:
    AgentsFixture f;
    const RegisterKind& kind = RegisterKind::of(GetParam());
    OperationStore store { f.access, kind };

    qint64 saved(AgentOperation op)
    {
        const Status s = store.save(op, f.cp01Id);
        EXPECT_TRUE(s) << s.error().toStdString();
        return op.id;
    }
};

}

TEST_P(StoreTest, SavesLoadsAndModifiesOneRow)
{
    AgentOperation op = sampleOperation(QStringLiteral("O'Higgins \"La Ñata\" Muñoz"));
    ASSERT_TRUE(store.save(op, f.cp01Id));
    ASSERT_GT(op.id, 0);
    auto back = store.load(op.id);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->counterpart, op.counterpart);
    EXPECT_EQ(back->cp01Id, f.cp01Id);
    EXPECT_EQ(back->fecha, QDate(2005, 3, 10));
    EXPECT_EQ(back->base, Money::fromUnits(100000));
    EXPECT_EQ(back->alicuota, Fixed<4>::fromUnits(25000));
    EXPECT_EQ(back->importe, Money::fromUnits(2500));
    EXPECT_EQ(back->lugarFecha, kind.hasPlace ? QDate(2005, 3, 11) : QDate());

    back->importe = Money::fromUnits(-99);
    back->base.reset();
    ASSERT_TRUE(store.save(*back, f.cp01Id));
    EXPECT_EQ(back->id, op.id);
    const auto again = store.load(op.id);
    EXPECT_EQ(again->importe, Money::fromUnits(-99));
    EXPECT_FALSE(again->base.has_value());
    EXPECT_EQ(test::countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM ") + kind.table), 1);

    // Texts longer than their column are cut to it.
    AgentOperation longName = sampleOperation(QString(150, QChar(u'ñ')));
    ASSERT_TRUE(store.save(longName, f.cp01Id));
    EXPECT_EQ(store.load(longName.id)->counterpart.contribuyente, QString(100, QChar(u'ñ')));
}

TEST_P(StoreTest, DeclaredRowsAreNeitherChangedNorDeleted)
{
    const qint64 id = saved(sampleOperation());
    f.setColumn(kind, id, QStringLiteral("FechaDDJJ"), QStringLiteral("2005-04-15"));
    f.setColumn(kind, id, QStringLiteral("Periodo_DDJJOutDate"), QStringLiteral("04/2005"));
    AgentOperation op = *store.load(id);
    op.counterpart.contribuyente = QStringLiteral("Cambiado");
    const Status refused = store.save(op, f.cp01Id);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().startsWith(QStringLiteral(
        "El pago que desea almacenar ya está incorporado en la DDJJ mensual presentada el 15/04/2005")));
    const Status notDeleted = store.remove(id);
    EXPECT_EQ(notDeleted.error(),
        QStringLiteral(
            "El pago que desea borrar está incorporado en la DDJJ mensual presentada el 15/04/2005\n"
            "Por tal motivo no puede borrarlo..."));
    EXPECT_EQ(store.load(id)->counterpart.contribuyente, QStringLiteral("Proveedor SRL"));

    f.setColumn(kind, id, QStringLiteral("FechaDDJJ"), QVariant());
    EXPECT_TRUE(store.remove(id).error().contains(QStringLiteral("del período 04/2005")));
    f.setColumn(kind, id, QStringLiteral("Periodo_DDJJOutDate"), QVariant());
    EXPECT_TRUE(store.remove(id));
    EXPECT_FALSE(store.load(id));
}

TEST_P(StoreTest, ACreditedRowStaysAndTheRefusalIsReported)
{
    const qint64 id = saved(sampleOperation());
    test::execInsert(f.t.db(),
        QStringLiteral("INSERT INTO Form_AgentCredito (CP01_ID, ") + kind.keyColumn
            + QStringLiteral(") VALUES (?, ?)"),
        { f.cp01Id, id });
    const Status refused = store.remove(id);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().startsWith(QStringLiteral("Operación cancelada por el sistema...\n")));
    EXPECT_GT(refused.error().size(), QStringLiteral("Operación cancelada por el sistema...\n").size());
    EXPECT_TRUE(store.load(id));
}

TEST_P(StoreTest, PeriodListsTheTaxpayersRowsWithTotals)
{
    AgentOperation a = sampleOperation(QStringLiteral("Uno"));
    a.fecha = QDate(2005, 3, 31);
    AgentOperation b = sampleOperation(QStringLiteral("Dos"));
    b.fecha = QDate(2005, 3, 1);
    b.base = Money::fromUnits(-50000);
    b.importe = Money::fromUnits(-1250);
    AgentOperation outside = sampleOperation(QStringLiteral("Abril"));
    outside.fecha = QDate(2005, 4, 1);
    saved(a);
    saved(b);
    saved(outside);
    // Another taxpayer's rows never count.
    const qint64 otherCmd = test::execInsert(f.t.db(),
        QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { QStringLiteral("Otro") })
                                .toLongLong();
    AgentOperation foreign = sampleOperation(QStringLiteral("Ajeno"));
    ASSERT_TRUE(store.save(foreign, f.addCp01(otherCmd, QStringLiteral("Otro"))));

    const auto march = store.period(f.cmdId, QDate(2005, 3, 1), QDate(2005, 3, 31));
    ASSERT_TRUE(march);
    ASSERT_EQ(march->rows.size(), 2);
    EXPECT_EQ(march->rows[0].contribuyente, QStringLiteral("Dos"));
    EXPECT_EQ(march->rows[1].contribuyente, QStringLiteral("Uno"));
    EXPECT_EQ(march->totalBase, Money::fromUnits(50000));
    EXPECT_EQ(march->totalImporte, Money::fromUnits(1250));
    EXPECT_FALSE(march->rows[0].declared);
}

TEST_P(StoreTest, SearchesByNameStartWithLiteralWildcards)
{
    AgentOperation older = sampleOperation(QStringLiteral("Peña Hnos"));
    older.fecha = QDate(2005, 1, 5);
    const qint64 olderId = saved(older);
    const qint64 newerId = saved(sampleOperation(QStringLiteral("Peña Hnos")));
    saved(sampleOperation(QStringLiteral("100% Algodón")));
    saved(sampleOperation(QStringLiteral("1000 Telas")));

    const auto found = store.search(f.cmdId, QStringLiteral("Peña"));
    ASSERT_TRUE(found);
    ASSERT_EQ(found->size(), 2);
    EXPECT_EQ(found->at(0).text, QStringLiteral("10/03/2005,Peña Hnos"));
    EXPECT_EQ(found->at(0).key.toLongLong(), newerId);
    EXPECT_EQ(found->at(1).key.toLongLong(), olderId);
    EXPECT_EQ(store.search(f.cmdId, QStringLiteral("100%"))->size(), 1);
    EXPECT_EQ(store.search(f.cmdId, QStringLiteral("p h"))->size(), 2);
    EXPECT_EQ(store.search(f.cmdId, QStringLiteral("'; DROP TABLE CMD; --"))->size(), 0);
    EXPECT_EQ(store.search(f.cmdId + 1, QStringLiteral("Peña"))->size(), 0);
}

TEST_P(StoreTest, CounterpartLookUpsCopyTheNewestRowIntoANewOperation)
{
    AgentOperation first = sampleOperation(QStringLiteral("Proveedor@SRL"));
    first.counterpart.domicilio = QStringLiteral("Vieja");
    first.fecha = QDate(2005, 1, 1);
    saved(first);
    AgentOperation second = sampleOperation(QStringLiteral("Proveedor@SRL"));
    second.counterpart.domicilio = QStringLiteral("Nueva");
    saved(second);

    const auto listed = store.counterparts(QStringLiteral("11111111"));
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1);
    EXPECT_EQ(listed->at(0).contribuyente, QStringLiteral("Proveedor@SRL"));

    const auto latest = store.latestOf(listed->at(0));
    ASSERT_TRUE(latest && latest->has_value());
    const AgentOperation& copy = **latest;
    EXPECT_EQ(copy.id, 0);
    EXPECT_EQ(copy.counterpart.domicilio, QStringLiteral("Nueva"));
    EXPECT_FALSE(copy.fecha.isValid());
    EXPECT_FALSE(copy.base || copy.alicuota || copy.importe);
    EXPECT_TRUE(copy.documento.isEmpty());

    // A joined-key collision: the name "Proveedor" with CUIT "SRL@..." is another counterpart.
    Counterpart other = listed->at(0);
    other.contribuyente = QStringLiteral("Proveedor");
    other.cuit = QStringLiteral("SRL@") + other.cuit;
    EXPECT_FALSE(store.latestOf(other)->has_value());

    EXPECT_EQ((*store.latestByIdentifier(IdentifierKind::Cuit, QStringLiteral("20-11111111/2")))
                  ->counterpart.domicilio,
        QStringLiteral("Nueva"));
    EXPECT_FALSE(
        store.latestByIdentifier(IdentifierKind::IngBrutos, QStringLiteral("901-999999/00"))->has_value());
}

TEST_P(StoreTest, CountsDepositsOfTheOperationsMonth)
{
    EXPECT_EQ(*store.depositsOfPeriod(f.cmdId, QDate(2005, 3, 15)), 0);
    f.addDeposit(kind.arpOperacion, QDate(2005, 3, 1), QDate(2005, 3, 31));
    f.addDeposit(kind.arpOperacion, QDate(2005, 3, 1), QDate(2005, 3, 31));
    f.addDeposit(
        GetParam() == AgentRegister::Retenciones ? QStringLiteral("Percepción") : QStringLiteral("Retención"),
        QDate(2005, 3, 1), QDate(2005, 3, 31));
    EXPECT_EQ(*store.depositsOfPeriod(f.cmdId, QDate(2005, 3, 31)), 2);
    EXPECT_EQ(*store.depositsOfPeriod(f.cmdId, QDate(2005, 4, 1)), 0);
}

TEST_P(StoreTest, AgentDataComesFromTheInscriptionAndTheRegister)
{
    const auto data = store.agentData(f.cmdId, f.cp01Id);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(QStringLiteral("CP01_Contribuyente")), QStringLiteral("Agente SA"));
    EXPECT_EQ(data->numAgente,
        GetParam() == AgentRegister::Retenciones ? QStringLiteral("1234/1") : QStringLiteral("4321/5"));
    EXPECT_EQ(data->identity().cuit, QStringLiteral("20-12345678/6"));
    EXPECT_FALSE(store.provincias()->isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothRegisters, StoreTest,
    ::testing::Values(AgentRegister::Retenciones, AgentRegister::Percepciones), [](const auto& param) {
        return param.param == AgentRegister::Retenciones ? std::string("Retenciones")
                                                         : std::string("Percepciones");
    });

TEST(PeriodModel, ShowsTheMonthInNamedColumns)
{
    PeriodModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    PeriodList list;
    list.rows.append({ 7, QDate(2005, 3, 10), QStringLiteral("Peña"), QStringLiteral("20-11111111/2"),
        Money::fromUnits(100000), Fixed<4>::fromUnits(25000), Money::fromUnits(2500), true });
    list.rows.append({ 8, QDate(2005, 3, 11), QStringLiteral("Otro"), QString(), Money::fromUnits(-5000),
        Fixed<4>(), Money(), false });
    model.setPeriod(list);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, PeriodModel::Fecha)).toString(), QStringLiteral("10/03/2005"));
    EXPECT_EQ(model.data(model.index(0, PeriodModel::Base)).toString(), QStringLiteral("1.000,00"));
    EXPECT_EQ(model.data(model.index(0, PeriodModel::Alicuota)).toString(), QStringLiteral("2,5000"));
    EXPECT_EQ(model.data(model.index(1, PeriodModel::Base)).toString(), QStringLiteral("-50,00"));
    EXPECT_EQ(model.data(model.index(0, PeriodModel::Declarada)).toString(), QStringLiteral("Sí"));
    EXPECT_EQ(
        model.headerData(PeriodModel::Alicuota, Qt::Horizontal).toString(), QStringLiteral("Alícuota (%)"));
    EXPECT_EQ(model.idAt(1), 8);
    model.setPeriod({});
    EXPECT_EQ(model.rowCount(), 0);
}
