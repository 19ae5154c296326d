// Times opening the inscription form on a stored procedure with three premises and eighteen
// activities, and saving it.
#include "common/clock.h"
#include "cp01/cp01store.h"
#include "cp01/ui/frm_cp01.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>

using namespace ventrix;
using namespace ventrix::cp01;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void report(QTextStream& out, const QString& what, const QList<double>& ms, double target)
{
    out << what << ": median " << QString::number(median(ms), 'f', 2) << " ms, max "
        << QString::number(*std::max_element(ms.begin(), ms.end()), 'f', 2) << " ms over " << ms.size()
        << " runs (target < " << target << " ms)\n";
}

qint64 storeProcedure(QSqlDatabase db, Cp01Store& store, qint64& cmdId)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('La Esquina S.A.')"));
    cmdId = q.lastInsertId().toLongLong();
    Cp01Record r;
    r.set(col::Tramite, QStringLiteral("1 - Inscripción"));
    r.set(col::Personas, Juridicas);
    r.set(col::Contribuyente, QStringLiteral("La Esquina S.A."));
    const QDate start(2003, 2, 1);
    for (int n = 1; n <= 3; ++n) {
        r.set(col::premises(n, QStringLiteral("Nombre")), QStringLiteral("Local %1").arg(n));
        r.set(col::premises(n, QStringLiteral("FhInicio")), start);
        for (int i = 0; i < ActivityTable::Rows; ++i) {
            ActivityRow& a = r.premisesActivities(n).row(i);
            a = { QString::number(621013 + i), QStringLiteral("Actividad %1").arg(i), Rate::fromUnits(300), 2,
                Money::fromUnits(12600), start.addDays(i), {}, false };
        }
    }
    if (!store.GuardarCP01(r, cmdId, 0))
        return 0;
    return r.id();
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    test::TestDatabase database;
    test::ScriptedMessages boxes;
    FixedClock clock(QDate(2026, 12, 7));
    Clock::install(&clock);
    data::AccesoDatos access(database.db());
    Cp01Store store(access);
    qint64 cmdId = 0;
    const qint64 key = storeProcedure(database.db(), store, cmdId);
    if (key == 0) {
        out << "storing the procedure failed\n";
        return 1;
    }
    QList<double> open;
    QList<double> save;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        Frm_CP01 screen(store, cmdId, { {}, {}, key, false });
        screen.show();
        QApplication::processEvents();
        open << timer.nsecsElapsed() / 1e6;
        timer.restart();
        screen.Guardar_Click();
        save << timer.nsecsElapsed() / 1e6;
        if (!boxes.shown().isEmpty()) {
            out << "unexpected message: " << boxes.last() << '\n';
            return 1;
        }
        screen.hide();
    }
    report(out, QStringLiteral("Open the CP01 form (3 premises, 18 activities)"), open, 150);
    report(out, QStringLiteral("Save the CP01 form"), save, 50);
    Clock::install(nullptr);
    return 0;
}
