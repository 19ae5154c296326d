// Times the annual declaration: storing and loading one with 24 activities and its twelve months,
// loading the activities of a year from 20 inscriptions, and printing its two pages with the
// barcodes read back and the delivery file written.
#include "cp01/cp01store.h"
#include "cp02/cp02printflow.h"
#include "cp02/cp02store.h"

#include "testdatabase.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace ventrix;
using namespace ventrix::cp02;

namespace {

void timed(const char* what, int rounds, const std::function<void()>& work)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i)
        work();
    std::printf("%-52s %9.2f ms each (%d rounds)\n", what, t.nsecsElapsed() / 1e6 / rounds, rounds);
}

Cp02Record declaration()
{
    Cp02Record r;
    r.set(col::Periodo, 2025);
    r.set(col::Tramite, Original);
    r.set(col::NumEmpleados, 12);
    for (int i = 0; i < 24; ++i)
        r.activities.append({ QString::number(611010 + i),
            QStringLiteral("Com1:Venta al por mayor de artículos de uso doméstico %1").arg(i), false,
            Money::fromUnits(123456789), Rate::fromUnits(350), Money::fromUnits(4320988), 3 });
    for (MonthRow& m : r.months) {
        m.fechaPago = QDate(2025, 2, 15);
        m.amounts = { Money::fromUnits(1000000), Money::fromUnits(35000), Money::fromUnits(8100), {},
            Money::fromUnits(1000), {}, Money::fromUnits(34000) };
    }
    return r;
}

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    test::TestDatabase t;
    data::AccesoDatos access(t.db());
    QSqlQuery(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Bench')"), t.db());
    cp01::Cp01Store cp01(access);
    qint64 cp01Id = 0;
    for (int n = 0; n < 20; ++n) {
        cp01::Cp01Record r;
        r.set(cp01::col::Tramite, QStringLiteral("2 - Modificación de Datos"));
        r.set(cp01::col::Contribuyente, QStringLiteral("Bench"));
        for (int p = 1; p <= 3; ++p) {
            for (int i = 0; i < cp01::ActivityTable::Rows; ++i) {
                r.premisesActivities(p).add({ QString::number(621013 + i), QStringLiteral("Venta %1").arg(i),
                    Rate::fromUnits(300), 1, Money::fromUnits(7000) });
                r.premisesActivities(p).row(i).fecha = QDate(2003, 2, 1);
            }
        }
        (void)cp01.GuardarCP01(r, 1, 0);
        cp01Id = r.id();
    }
    Cp02Store store(access);
    timed("activities of a year from 20 inscriptions", 20,
        [&] { (void)store.Cargar_New_Actividades(1, 2025); });
    Cp02Record r = declaration();
    timed("store a declaration (24 activities, 12 months)", 50, [&] {
        Cp02Record copy = r;
        (void)store.save(copy, cp01Id);
    });
    (void)store.save(r, cp01Id);
    timed("load it back", 50, [&] { (void)store.load(r.id()); });
    QTemporaryDir dir;
    auto taxpayer = store.loadTaxpayer(1, cp01Id);
    Cp02PrintFlow flow(dir.path(), { {}, {}, {} });
    timed(
        "print: two pages, barcodes read back, file written", 3, [&] { (void)flow.Imprimir(r, *taxpayer); });
    return 0;
}
