#include "sid3/sid3registermodel.h"
#include "sid3fixture.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

TEST(Sid3RegisterModel, ShowsTheRegisterOfTheDeclarationWithItsTotal)
{
    Sid3Fixture f;
    Declaration d;
    d.cp01Id = f.cp01Id;
    d.month = 3;
    d.year = 2003;
    ASSERT_TRUE(f.store.Guardar_Sid3(d, {}));
    Sid3RegisterModel model(f.access, Register::Compensaciones, d.id);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    RegisterRecord r;
    r.fecha = QDate(2003, 3, 9);
    r.concepto = QStringLiteral("Saldo a favor");
    r.monto = Money::fromUnits(123456);
    ASSERT_TRUE(model.store().Guardar(r, d.id, { 3, 2003 }));
    // Another register's record is not shown here.
    RegisterRecord other = r;
    other.cuit = QStringLiteral("20-12345678/6");
    ASSERT_TRUE(Sid3RegisterStore(f.access, Register::Retenciones).Guardar(other, d.id, { 3, 2003 }));

    ASSERT_TRUE(model.VerTabla());
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, Sid3RegisterModel::Fecha)).toString(), QStringLiteral("09/03/2003"));
    EXPECT_EQ(model.data(model.index(0, Sid3RegisterModel::Monto)).toString(), QStringLiteral("1.234,56"));
    EXPECT_EQ(model.data(model.index(0, Sid3RegisterModel::Anio)).toString(), QStringLiteral("2003"));
    EXPECT_EQ(model.headerData(Sid3RegisterModel::NumAgente, Qt::Horizontal).toString(),
        QStringLiteral("N° Agente"));
    EXPECT_EQ(model.total(), (RegisterTotal { Money::fromUnits(123456), 1 }));
}
