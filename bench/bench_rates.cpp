// Times the monthly update of the indices table and the opening of the rates screen.
#include "common/clock.h"
#include "rates/indexupdate.h"
#include "rates/ui/frm_indices.h"
#include "testdatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>

using namespace ventrix;
using namespace ventrix::rates;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void report(QTextStream& out, const QString& what, const QList<double>& ms, double target)
{
    out << what << ": median " << QString::number(median(ms), 'f', 2) << " ms, min "
        << QString::number(*std::min_element(ms.begin(), ms.end()), 'f', 2) << " ms, max "
        << QString::number(*std::max_element(ms.begin(), ms.end()), 'f', 2) << " ms over " << ms.size()
        << " runs";
    if (target > 0)
        out << " (target < " << target << " ms)";
    out << '\n';
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    test::TestDatabase database;
    // Far enough ahead that every appended month counts as published.
    FixedClock clock(QDate(2100, 1, 1));
    Clock::install(&clock);
    out << "Indices table: " << rates::IndicesTable(database.db()).count() << " days\n";

    QList<double> append;
    for (int run = 0; run < 36; ++run) {
        std::optional<rates::MonthProposal> next;
        rates::CargaTasa(rates::IndicesTable(database.db()), &next);
        QElapsedTimer timer;
        timer.start();
        const auto outcome = rates::ActualizaIdx(database.db(),
            { next->firstDay.month(), next->firstDay.year(), Rate::fromUnits(300) }, Clock::today());
        append << timer.nsecsElapsed() / 1e6;
        if (outcome != rates::UpdateOutcome::Appended) {
            out << "append failed\n";
            return 1;
        }
    }
    report(out, QStringLiteral("Append one month of indices"), append, 50);

    QList<double> open;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        rates::Frm_Indices screen(database.db());
        screen.show();
        QApplication::processEvents();
        open << timer.nsecsElapsed() / 1e6;
    }
    report(out, QStringLiteral("Open the rates screen"), open, 0);
    Clock::install(nullptr);
    return 0;
}
