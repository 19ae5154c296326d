#include "cp02fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;
using namespace ventrix::test;

namespace {

QStringList texts(const QList<AnnualActivity>& rows)
{
    QStringList out;
    for (const AnnualActivity& a : rows)
        out << a.codigo + u' ' + a.actividad;
    return out;
}

cp01::ActivityRow named(const QString& code, const QString& name, QDate start, QDate cese = {})
{
    cp01::ActivityRow r = activity(code, start, cese);
    r.denominacion = name;
    return r;
}

}

TEST(Cp02Store, ActivitiesOfTheYearComeFromEveryProcedureOnceEach)
{
    Cp02Fixture f;
    // The inscription of the fixture: 624101 since 2003. A later procedure carries it again, an
    // activity started in the year, one ceased and restarted within it, one ceased the year before,
    // one started after the year, and one in the second premises.
    f.storeCp01(
        { named(QStringLiteral("624101"), QStringLiteral("Actividad 624101"), QDate(2003, 2, 1)),
            named(QStringLiteral("632031"), QStringLiteral("Bar"), QDate(2025, 7, 1)),
            named(
                QStringLiteral("611018"), QStringLiteral("Mayorista"), QDate(2020, 1, 1), QDate(2025, 3, 1)),
            named(QStringLiteral("951500"), QStringLiteral("Cerrada"), QDate(2020, 1, 1), QDate(2024, 6, 30)),
            named(QStringLiteral("711411"), QStringLiteral("Transporte"), QDate(2026, 1, 2)) },
        { named(QStringLiteral("624284"), QStringLiteral("Kiosco"), QDate(2010, 5, 5)) });
    f.storeCp01({ named(QStringLiteral("611018"), QStringLiteral("Mayorista"), QDate(2025, 9, 1)) });

    auto rows = f.cp02.Cargar_New_Actividades(f.cmdId, 2025);
    ASSERT_TRUE(rows) << rows.error().toStdString();
    EXPECT_EQ(texts(*rows),
        (QStringList { QStringLiteral("624101 Com1:Actividad 624101"), QStringLiteral("632031 Com1:Bar"),
            QStringLiteral("624284 Com2:Kiosco"), QStringLiteral("611018 Com1:Mayorista") }));
    const AnnualActivity& first = rows->front();
    EXPECT_EQ(first.alicuota, Rate::fromUnits(350));
    EXPECT_EQ(first.numEmp, 2);
    EXPECT_EQ(first.base, std::nullopt);
    EXPECT_EQ(first.impuesto, std::nullopt);

    // The year before the bar started.
    const QStringList before = texts(*f.cp02.Cargar_New_Actividades(f.cmdId, 2024));
    EXPECT_TRUE(before.contains(QStringLiteral("624284 Com2:Kiosco")));
    EXPECT_FALSE(before.contains(QStringLiteral("632031 Com1:Bar")));
}

TEST(Cp02Store, OpenedPremisesAreTaggedWithTheirNumber)
{
    Cp02Fixture f;
    cp01::OpenedPremises opened;
    opened.fields.insert(cp01::col::ComNombre, QStringLiteral("Sucursal"));
    opened.fields.insert(cp01::col::ComNumero, 7);
    opened.activities.row(0) = named(QStringLiteral("632031"), QStringLiteral("Bar"), QDate(2024, 1, 1));
    ASSERT_TRUE(f.store.saveOpenedPremises(opened, f.cp01Id));
    cp01::OpenedPremises unnumbered;
    unnumbered.fields.insert(cp01::col::ComNombre, QStringLiteral("Depósito"));
    unnumbered.activities.row(0)
        = named(QStringLiteral("711411"), QStringLiteral("Depósito"), QDate(2024, 1, 1));
    ASSERT_TRUE(f.store.saveOpenedPremises(unnumbered, f.cp01Id));

    auto rows = f.cp02.Cargar_New_Actividades(f.cmdId, 2025);
    ASSERT_TRUE(rows);
    EXPECT_EQ(texts(*rows),
        (QStringList { QStringLiteral("624101 Com1:Actividad 624101"), QStringLiteral("632031 Com7:Bar"),
            QStringLiteral("711411 Com--:Depósito") }));
}

TEST(Cp02Store, StoresTheDeclarationWithBothGridsAndReadsItBack)
{
    Cp02Fixture f;
    Cp02Record r;
    r.set(col::Periodo, 2025);
    r.set(col::Tramite, Original);
    r.set(col::NumEmpleados, 4);
    r.setMoney(col::Gravado, money("1234.5"));
    r.set(col::exempt(2, QStringLiteral("NormaLegal")), QStringLiteral("Ley 1234"));
    r.set(col::exempt(2, QStringLiteral("FechaIni")), QDate(2025, 1, 1));
    r.activities = { { QStringLiteral("624101"), QStringLiteral("Com1:Almacén"), false, money("10000"),
                         Rate::fromUnits(350), money("350"), 4 },
        { QStringLiteral("951500"), QStringLiteral("Com2:Escuela"), true, money("500"), Rate::fromUnits(0),
            money("0"), 1 } };
    r.months.at(2).fechaPago = QDate(2025, 4, 15);
    r.months.at(2).amounts.anticipo = money("99.99");
    r.months.at(2).amounts.saldo = money("-5");

    ASSERT_TRUE(f.cp02.save(r, f.cp01Id));
    ASSERT_GT(r.id(), 0);
    auto back = f.cp02.load(r.id());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->periodo(), 2025);
    EXPECT_EQ(back->tramite(), QStringLiteral("Original"));
    EXPECT_EQ(back->integer(col::NumEmpleados), 4);
    EXPECT_EQ(back->money(col::Gravado), money("1234.50"));
    EXPECT_EQ(back->text(col::exempt(2, QStringLiteral("NormaLegal"))), QStringLiteral("Ley 1234"));
    EXPECT_EQ(back->date(col::exempt(2, QStringLiteral("FechaIni"))), QDate(2025, 1, 1));
    EXPECT_EQ(back->activities, r.activities);
    EXPECT_EQ(back->months, r.months);
    EXPECT_EQ(back->months.at(11).mes, QStringLiteral("Diciembre"));
    EXPECT_EQ(
        countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_AnticMin WHERE CPAM_FechaPago IS NULL")),
        11);

    // Storing again rewrites the grids.
    r.activities.removeLast();
    ASSERT_TRUE(f.cp02.save(r, f.cp01Id));
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_ImpAnual")), 1);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_AnticMin")), 12);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CP02")), 1);

    // Deleting takes the grids along.
    ASSERT_TRUE(f.cp02.remove(r.id()));
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_ImpAnual")), 0);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_AnticMin")), 0);
}

TEST(Cp02Store, AFailedMonthlyGridLeavesNothingStored)
{
    Cp02Fixture f;
    const qint64 stored = f.storeDeclaration(2024);
    QSqlQuery(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON Cp02_AnticMin "
                             "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"),
        f.t.db());

    Cp02Record fresh;
    fresh.set(col::Periodo, 2025);
    fresh.set(col::Tramite, Original);
    fresh.activities = { { QStringLiteral("624101"), QStringLiteral("Com1:Almacén"), false, {}, {}, {}, 1 } };
    const Status s = f.cp02.save(fresh, f.cp01Id);
    EXPECT_EQ(s.error(), QStringLiteral("Error al actualizar anticipo y mínimos anuales..."));
    EXPECT_EQ(fresh.id(), 0);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CP02")), 1);

    // A stored one keeps its old rows.
    Cp02Record changed = *f.cp02.load(stored);
    changed.activities.clear();
    changed.set(col::NumEmpleados, 9);
    EXPECT_FALSE(f.cp02.save(changed, f.cp01Id));
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_ImpAnual")), 1);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT Cp02_NumEmpleados FROM CP02")), 3);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Cp02_AnticMin")), 12);
}

TEST(Cp02Store, ListsTheTaxpayersDeclarationsLatestFirstAndFindsTheOriginal)
{
    Cp02Fixture f;
    f.storeDeclaration(2023);
    f.storeDeclaration(2025);
    f.storeDeclaration(2023, Rectificativa);
    auto list = f.cp02.declarations(f.cmdId);
    ASSERT_TRUE(list);
    QStringList shown;
    for (const DeclarationEntry& e : *list)
        shown << e.text();
    EXPECT_EQ(shown,
        (QStringList { QStringLiteral("Período 2025 Original"), QStringLiteral("Período 2023 Rectificativa"),
            QStringLiteral("Período 2023 Original") }));
    EXPECT_TRUE(*f.cp02.originalExists(f.cmdId, 2023));
    EXPECT_FALSE(*f.cp02.originalExists(f.cmdId, 2024));
    const qint64 other = addTaxpayerRow(f.t.db(), QStringLiteral("Otro"));
    EXPECT_FALSE(*f.cp02.originalExists(other, 2023));
    EXPECT_TRUE(f.cp02.declarations(other)->isEmpty());
}
