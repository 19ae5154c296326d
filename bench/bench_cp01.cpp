// Times the activity editor's searches keystroke by keystroke against the supplied nomenclature,
// and the store of a procedure with its three activity tables full.
#include "cp01/cp01store.h"
#include "cp01/nomenclature.h"

#include "testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace ventrix;
using namespace ventrix::cp01;

namespace {

struct Figures
{
    double median = 0;
    double p95 = 0;
    double worst = 0; // the machine is shared: a single slow keystroke is usually another process
};

Figures timed(const QString& typed, const std::function<void(const QString&)>& search)
{
    std::vector<double> ms;
    for (int round = 0; round < 5; ++round) {
        for (qsizetype i = 1; i <= typed.size(); ++i) {
            QElapsedTimer t;
            t.start();
            search(typed.left(i));
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    std::sort(ms.begin(), ms.end());
    return { ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back() };
}

void report(const char* what, const Figures& f)
{
    std::printf("%-44s median %7.3f ms   95%% %7.3f ms   worst %7.3f ms\n", what, f.median, f.p95, f.worst);
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    test::TestDatabase t;
    data::AccesoDatos access(t.db());
    Nomenclature n(access);

    report("name search \"venta al por menor de art\"",
        timed(QStringLiteral("venta al por menor de art"), [&](const QString& s) { (void)n.search(s); }));
    report("name search \"fabricación de\" (blanks)",
        timed(QStringLiteral("fabricación de"), [&](const QString& s) { (void)n.search(s); }));
    report("code search \"624101\"",
        timed(QStringLiteral("624101"), [&](const QString& s) { (void)n.search(s); }));
    report("sale search \"venta carnes\"",
        timed(QStringLiteral("venta carnes"), [&](const QString& s) { (void)n.saleActivities(s); }));

    QSqlQuery q(t.db());
    q.exec(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Bench')"));
    const qint64 cmd = q.lastInsertId().toLongLong();
    Cp01Store store(access);
    Cp01Record r;
    r.set(col::Tramite, QStringLiteral("1 - Inscripción"));
    r.set(col::Contribuyente, QStringLiteral("Bench"));
    r.set(col::FechaPres, QDate(2026, 12, 7));
    for (int p = 1; p <= 3; ++p) {
        for (int i = 0; i < ActivityTable::Rows; ++i)
            r.premisesActivities(p).add({ QString::number(621013 + i), QStringLiteral("Venta"),
                Rate::fromUnits(300), 1, Money::fromUnits(7000) });
        for (int i = 0; i < ActivityTable::Rows; ++i)
            r.premisesActivities(p).row(i).fecha = QDate(2003, 2, 1);
    }
    std::vector<double> saves;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!store.GuardarCP01(r, cmd, 0))
            return 1;
        saves.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(saves.begin(), saves.end());
    report("store of a procedure with 18 activities",
        { saves[saves.size() / 2], saves[saves.size() * 95 / 100], saves.back() });
    return 0;
}
