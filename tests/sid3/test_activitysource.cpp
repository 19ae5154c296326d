#include "sid3/activitysource.h"
#include "sid3fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

QStringList names(const QList<ActivityLine>& lines)
{
    QStringList out;
    for (const ActivityLine& l : lines)
        out << l.denominacion;
    return out;
}

const Period March2003 { 3, 2003 };

}

TEST(ActivitySource, TakesTheActivitiesCarriedOnInThePeriodFromEveryPremises)
{
    Sid3Fixture f;
    ActivitySource source(f.access);
    f.addActivity(QStringLiteral("Form_Cp01_Act"), f.cp01Id, QStringLiteral("624101"),
        QStringLiteral("Venta"), QStringLiteral("2003-01-10"));
    f.addActivity(QStringLiteral("Form_Cp01_Act2"), f.cp01Id, QStringLiteral("951500"),
        QStringLiteral("Cerrajería"), QStringLiteral("2003-03-31"), {}, 1);
    // Started after the period, ceased during it, ceased after it: left out.
    f.addActivity(QStringLiteral("Form_Cp01_Act"), f.cp01Id, QStringLiteral("111112"),
        QStringLiteral("Cereales"), QStringLiteral("2003-04-01"));
    f.addActivity(QStringLiteral("Form_Cp01_Act3"), f.cp01Id, QStringLiteral("111120"),
        QStringLiteral("Arroz"), QStringLiteral("2002-01-01"), QStringLiteral("2003-03-15"));
    f.addActivity(QStringLiteral("Form_Cp01_Act3"), f.cp01Id, QStringLiteral("111139"),
        QStringLiteral("Soja"), QStringLiteral("2002-01-01"), QStringLiteral("2003-05-01"));
    // Ceased before the period and not started again: left out too.
    f.addActivity(QStringLiteral("Form_Cp01_Act3"), f.cp01Id, QStringLiteral("632031"),
        QStringLiteral("Hostería"), QStringLiteral("2002-01-01"), QStringLiteral("2003-02-01"));
    // An opened premises, its number looked up by its permanent identity.
    const qint64 com = insertRow(f.t.db(),
        QStringLiteral("INSERT INTO Form_Cp01_Comercios (Cp01_ID, Com_Activ_ComerNum) VALUES (?, 7)"),
        { f.cp01Id });
    QSqlQuery(QStringLiteral("UPDATE Form_Cp01_Comercios SET Com_Com_ID = Com_ID"), f.t.db());
    insertRow(f.t.db(),
        QStringLiteral("INSERT INTO Form_Cp01_Com_Act (Com_ID, Act_Codigo, Act_Denominacion, Act_Alicuota, "
                       "Act_Fecha) VALUES (?, '624284', 'Almacén', 300, '2003-02-01')"),
        { com });

    auto lines = source.CargarTablaNew(f.cmdId, March2003);
    ASSERT_TRUE(lines) << lines.error().toStdString();
    EXPECT_EQ(names(*lines),
        (QStringList { QStringLiteral("Com7:Almacén"), QStringLiteral("Com2:Cerrajería"),
            QStringLiteral("Com1:Venta") }));
    const ActivityLine& venta = lines->at(2);
    EXPECT_EQ(venta.codigo, QStringLiteral("624101"));
    EXPECT_EQ(venta.alicuota->toPlain(), QStringLiteral("3.50"));
    EXPECT_EQ(venta.baseMinimo->toPlain(), QStringLiteral("75.00"));
    EXPECT_EQ(venta.numEmp, 1);
    EXPECT_EQ(venta.baseImp->toPlain(), QStringLiteral("0.00"));
    EXPECT_TRUE(lines->at(1).exento);
}

TEST(ActivitySource, ARestartedActivityCountsOnceAndAMissingPremisesIsMarked)
{
    Sid3Fixture f;
    ActivitySource source(f.access);
    // The same activity copied into a later procedure, ceased and started again.
    const qint64 later = f.addInscription(QStringLiteral("2003-02-01"));
    f.addActivity(QStringLiteral("Form_Cp01_Act"), f.cp01Id, QStringLiteral("624101"),
        QStringLiteral("Venta"), QStringLiteral("2002-01-10"), QStringLiteral("2002-06-01"));
    f.addActivity(QStringLiteral("Form_Cp01_Act"), later, QStringLiteral("624101"), QStringLiteral("Venta"),
        QStringLiteral("2003-02-01"));
    f.addActivity(QStringLiteral("Form_Cp01_Act"), later, QStringLiteral("624101"), QStringLiteral("Venta"),
        QStringLiteral("2003-02-01"));
    const qint64 com = insertRow(f.t.db(),
        QStringLiteral("INSERT INTO Form_Cp01_Comercios (Cp01_ID, Com_Com_ID) VALUES (?, 999)"), { later });
    insertRow(f.t.db(),
        QStringLiteral("INSERT INTO Form_Cp01_Com_Act (Com_ID, Act_Codigo, Act_Denominacion, Act_Fecha) "
                       "VALUES (?, '624284', 'Almacén', '2003-02-01')"),
        { com });

    auto lines = source.CargarTablaNew(f.cmdId, March2003);
    ASSERT_TRUE(lines);
    EXPECT_EQ(names(*lines), (QStringList { QStringLiteral("Com--:Almacén"), QStringLiteral("Com1:Venta") }));
}

TEST(ActivitySource, NoActivitiesIsRefused)
{
    Sid3Fixture f;
    auto lines = ActivitySource(f.access).CargarTablaNew(f.cmdId, March2003);
    ASSERT_FALSE(lines);
    EXPECT_EQ(lines.error(),
        QStringLiteral(
            "Ud. no tiene actividades declaradas \no están informadas como cesadas en el CP01 ..."));
}

TEST(ActivitySource, NomenclatureMinimumOverTheLinesCodes)
{
    Sid3Fixture f;
    ActivitySource source(f.access);
    ActivityLine venta, hosteria, sinCodigo;
    venta.codigo = QStringLiteral("624101"); // 75 / 135 / 206
    hosteria.codigo = QStringLiteral("632031"); // 45 / 81 / 124
    hosteria.exento = true;
    auto m = source.nomenclaMinimum({ venta, hosteria, sinCodigo }, MinimumColumn::Minimo2);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->value().toPlain(), QStringLiteral("135.00"));
    m = source.nomenclaMinimum({ hosteria }, MinimumColumn::Minimo3);
    EXPECT_EQ(m->value().toPlain(), QStringLiteral("124.00"));
    // No code, or a code the nomenclature lacks: the lines' own minimum stays.
    EXPECT_FALSE(source.nomenclaMinimum({ sinCodigo }, MinimumColumn::Minimo1)->has_value());
    ActivityLine unknown;
    unknown.codigo = QStringLiteral("000001");
    EXPECT_FALSE(source.nomenclaMinimum({ unknown }, MinimumColumn::Minimo1)->has_value());
}

TEST(ActivitySource, EmployeesFromTheLatestAnnualDeclarationOfThePreviousYear)
{
    Sid3Fixture f;
    ActivitySource source(f.access);
    ActivityLine venta;
    venta.codigo = QStringLiteral("624101");
    venta.denominacion = QStringLiteral("Com1:Venta");
    venta.numEmp = 1;
    ActivityLine otra = venta;
    otra.codigo = QStringLiteral("951500");
    QList<ActivityLine> lines { venta, otra };

    auto none = source.CargarTablaNewNumEmp(f.cmdId, 2002, lines);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->found);
    EXPECT_EQ(lines[0].numEmp, 1);

    auto addCp02 = [&](int year, int total, int lineEmployees) {
        const qint64 cp02 = insertRow(f.t.db(),
            QStringLiteral("INSERT INTO CP02 (CP01_ID, CP02_Periodo, Cp02_NumEmpleados) VALUES (?, ?, ?)"),
            { f.cp01Id, year, total });
        insertRow(f.t.db(),
            QStringLiteral("INSERT INTO Cp02_ImpAnual (CP02_ID, CPIA_Codigo, CPIA_Actividad, CPIA_NumEmp) "
                           "VALUES (?, '624101', 'Com1:Venta', ?)"),
            { cp02, lineEmployees });
    };
    addCp02(2002, 5, 4);
    addCp02(2002, 3, 2); // the later one wins
    addCp02(2001, 9, 9);
    auto found = source.CargarTablaNewNumEmp(f.cmdId, 2002, lines);
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->found);
    EXPECT_EQ(found->numEmpleados, 3);
    EXPECT_EQ(lines[0].numEmp, 2);
    EXPECT_EQ(lines[1].numEmp, 1); // not listed: keeps the inscription's count
}
