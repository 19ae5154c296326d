#include "sid3/sid3messages.h"
#include "sid3fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

Declaration newDeclaration(qint64 cp01Id, int month, int year)
{
    Declaration d;
    d.cp01Id = cp01Id;
    d.month = month;
    d.year = year;
    d.tramite = 4;
    d.tramiteDescrip = QStringLiteral("Anticipo");
    d.tasaMes = Rate::fromUnits(300);
    return d;
}

ActivityLine activity(const QString& code, qint64 baseCents)
{
    ActivityLine l;
    l.codigo = code;
    l.denominacion = QStringLiteral("Com1:Venta ") + code;
    l.numEmp = 2;
    l.baseMinimo = Money::fromInteger(75);
    l.alicuota = Rate::fromUnits(350);
    l.baseImp = Money::fromUnits(baseCents);
    return l;
}

}

TEST(Sid3Store, StoresTheHeadWithItsLinesAndReadsThemBack)
{
    Sid3Fixture f;
    Declaration d = newDeclaration(f.cp01Id, 3, 2003);
    d.noGravado = Money::fromUnits(12345);
    d.numEmpleado = 3;
    d.subTotalAgt = Money::fromUnits(3500);
    d.registerTotal(Register::Percepciones) = { Money::fromUnits(1050), 2 };
    d.fhVto = QDate(2003, 4, 15);
    d.fechaPago = QDate(2003, 4, 20);
    d.interes = Money::fromUnits(7);
    QList<ActivityLine> lines { activity(QStringLiteral("624101"), 100000), activity(QStringLiteral("  "), 5),
        activity(QStringLiteral("951500"), 1) };
    CalculaImpuesto(lines, std::nullopt);

    ASSERT_TRUE(f.store.Guardar_Sid3(d, lines));
    ASSERT_GT(d.id, 0);
    // The CP01's identifiers are copied into the head.
    EXPECT_EQ(d.cuit, QStringLiteral("20-12345678-6"));
    EXPECT_EQ(d.ib, QStringLiteral("901-123456/78"));

    auto back = f.store.load(d.id);
    ASSERT_TRUE(back) << back.error().toStdString();
    EXPECT_EQ(*back, d);

    auto stored = f.store.loadLines(d.id);
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->size(), 2); // the line without a code is not stored
    EXPECT_EQ(stored->at(0).codigo, QStringLiteral("624101"));
    EXPECT_EQ(stored->at(0).impuesto.toPlain(), QStringLiteral("35.000000"));
    // 0,01 at 3,5 % is stored with two places.
    EXPECT_EQ(stored->at(1).impuesto.toPlain(), QStringLiteral("0.000000"));
    EXPECT_EQ(stored->at(1).alicuota->toPlain(), QStringLiteral("3.50"));

    // A second store rewrites the same row and its lines.
    d.noGravado = Money();
    lines.removeLast();
    ASSERT_TRUE(f.store.Guardar_Sid3(d, lines));
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3")), 1);
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3_Act")), 1);
}

TEST(Sid3Store, AFailedLineLeavesNothingStored)
{
    Sid3Fixture f;
    QSqlQuery(QStringLiteral("CREATE TRIGGER falla BEFORE INSERT ON Form_Sid3_Act WHEN NEW.SidAct_Codigo = "
                             "'999999' BEGIN SELECT RAISE(ABORT, 'falla'); END"),
        f.t.db());
    Declaration d = newDeclaration(f.cp01Id, 3, 2003);
    const Declaration before = d;
    const Status saved = f.store.Guardar_Sid3(
        d, { activity(QStringLiteral("624101"), 100), activity(QStringLiteral("999999"), 1) });
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error(), QStringLiteral("Error al actualizar las actividades..."));
    EXPECT_EQ(d, before);
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3")), 0);
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3_Act")), 0);
}

TEST(Sid3Store, ListsTheTaxpayersDeclarationsNewestFirstAndDeletesOneWhole)
{
    Sid3Fixture f;
    Declaration first = newDeclaration(f.cp01Id, 2, 2003);
    first.fechaPago = QDate(2003, 3, 17);
    ASSERT_TRUE(f.store.Guardar_Sid3(first, { activity(QStringLiteral("624101"), 100) }));
    const qint64 older = f.addInscription(QStringLiteral("2002-01-01"));
    Declaration second = newDeclaration(older, 3, 2003);
    second.tramite = 5;
    second.tramiteDescrip = QStringLiteral("Rectificativa");
    ASSERT_TRUE(f.store.Guardar_Sid3(second, {}));

    auto list = f.store.Cargar_List_FormSid3(f.cmdId);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 2);
    EXPECT_EQ(list->at(0).id, second.id);
    EXPECT_EQ(list->at(0).text(), QStringLiteral("3/2003 Rectificativa"));
    EXPECT_EQ(list->at(1).text(), QStringLiteral("2/2003 Anticipo 17/03/2003"));

    insertRow(f.t.db(), QStringLiteral("INSERT INTO Retenciones (Sid_ID, Per_Monto) VALUES (?, 100)"),
        { first.id });
    ASSERT_TRUE(f.store.BorrarTabla(first.id));
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3")), 1);
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Sid3_Act")), 0);
    EXPECT_EQ(countRows(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Retenciones")), 0);
    EXPECT_FALSE(f.store.load(first.id));
}

TEST(Sid3Store, DeclarationMessages)
{
    EXPECT_EQ(msg::borrarDeclaracion(QStringLiteral("Pérez Juan"), 3, 2003, QStringLiteral("Anticipo")),
        QStringLiteral(
            "Está seguro que desea borrar los datos del contribuyente Pérez Juan\ndel período 3 del "
            "año 2003 del trámite Anticipo"));
    EXPECT_EQ(registerCountCaption(Register::PagoACuenta, 4), QStringLiteral("Otros Pagos: cantidad = 4"));
    EXPECT_EQ(registerCaption(Register::Compensaciones), QStringLiteral("Compensaciones..."));
}

TEST(Sid3Store, BoundFieldsAsTheScreenTypesThem)
{
    FieldValues typed;
    typed[QStringLiteral("Sid_Mes")] = QStringLiteral("3");
    typed[QStringLiteral("Sid_Año")] = QStringLiteral("2003");
    typed[QStringLiteral("Sid_No_Gravado")] = QStringLiteral("1.234,50");
    typed[QStringLiteral("Sid_Importe_Pagado")] = QStringLiteral("no es importe");
    typed[QStringLiteral("Sid_Otros")] = QVariant::fromValue(Money::fromUnits(99));
    typed[QStringLiteral("Sid_Fh_Vto")] = QDate(2003, 4, 15);
    typed[QStringLiteral("Sid_Fecha_Pago")] = QStringLiteral("20/04/2003");
    const Declaration d = withDeclarationFields({}, typed);
    EXPECT_EQ(d.fechaPago, QDate(2003, 4, 20));
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.year, 2003);
    EXPECT_EQ(d.noGravado.toPlain(), QStringLiteral("1234.50"));
    EXPECT_FALSE(d.importePagado);
    EXPECT_EQ(d.registerTotal(Register::PagoACuenta).total.toPlain(), QStringLiteral("0.99"));
    EXPECT_EQ(d.fhVto, QDate(2003, 4, 15));
    EXPECT_EQ(withDeclarationFields({}, declarationFields(d)), d);
}
