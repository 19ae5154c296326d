// Prints the time to write a monthly declaration with four annex pages to PDF, barcode read-back
// included, against a bare one-page PDF with the same kind of barcode in the same run (goal: under
// four times). With "--keep FOLDER" the declaration's database is left there for ventrix-cli.
// The fixture's helpers report through the test library.
#include <QSqlError>

#include <gtest/gtest.h>

#include "common/print/mancha.h"
#include "common/print/pageoutput.h"
#include "common/print/printableform.h"
#include "sid3/sid3printflow.h"
#include "tests/sid3/sid3printfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace ventrix;

namespace {

// One page holding only a record's barcode, where the declaration puts it.
class BareForm : public print::PrintableForm
{
public:
    QString record;
    QString documentName() const override { return QStringLiteral("Formulario"); }
    int pageCount() const override { return 1; }
    QPageLayout::Orientation orientation() const override { return QPageLayout::Landscape; }
    void paintPage(int, print::PageCanvas& canvas) override
    {
        print::ManchaPlacement placement = print::ManchaPlacement::monthlyDeclaration(canvas.outputDpi());
        placement.turned = true;
        (void)print::Imp_Mancha(canvas, record, placement);
    }
};

double cpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double elapsedMs(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype keepAt = args.indexOf(QStringLiteral("--keep"));
    test::Sid3PrintFixture f;
    // Twenty records in each register: one annex page each.
    const qint64 sidId = f.storeDeclaration(test::eightActivities(), { 20, 20, 20, 20 });
    if (keepAt > 0 && keepAt + 1 < args.size()) {
        const QString folder = args.at(keepAt + 1);
        QDir().mkpath(folder);
        f.t.database().close();
        QFile::remove(QDir(folder).filePath(QStringLiteral("Impuest.db")));
        if (!QFile::copy(f.t.path(), QDir(folder).filePath(QStringLiteral("Impuest.db")))) {
            std::fprintf(stderr, "could not copy the database\n");
            return 1;
        }
        std::printf("--taxpayer %lld --declaration %lld\n", f.cmdId, sidId);
        return 0;
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("form.pdf"));
    constexpr int Runs = 11;
    std::vector<double> full;
    std::vector<double> bare;
    std::vector<double> prepared;
    std::vector<double> fullCpu;
    std::vector<double> bareCpu;
    int pages = 0;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        double cpuStart = cpuMs();
        auto form = sid3::Sid3PrintFlow::prepare(f.access, f.cmdId, sidId);
        prepared.push_back(elapsedMs(timer));
        if (!form || !print::PageOutput::writePdf(**form, pdf)) {
            std::fprintf(stderr, "the declaration was refused\n");
            return 1;
        }
        full.push_back(elapsedMs(timer));
        fullCpu.push_back(cpuMs() - cpuStart);
        pages = (*form)->pageCount();

        BareForm one;
        one.record = (*form)->record();
        one.record.replace(2, 9, QStringLiteral("%1").arg(900000000 + i)); // a record not laid out before
        timer.restart();
        cpuStart = cpuMs();
        if (!print::PageOutput::writePdf(one, pdf)) {
            std::fprintf(stderr, "the bare page was refused\n");
            return 1;
        }
        bare.push_back(elapsedMs(timer));
        bareCpu.push_back(cpuMs() - cpuStart);
    }
    // The goal is on the elapsed time of a print, file written; the CPU times show what the pages
    // themselves cost (the bare page's is mostly its file).
    // The goal is on the elapsed time of a print, file written; the CPU times show what the pages
    // themselves cost (the bare page's time is mostly its file).
    const double ratio = median(full) / median(bare);
    std::printf("Declaration, %d pages, PDF with read-back: median %.1f ms elapsed, %.1f ms CPU\n", pages,
        median(full), median(fullCpu));
    std::printf(
        "  of which reading the declaration and building its record: median %.1f ms\n", median(prepared));
    std::printf("Bare page with its PDF417, PDF with read-back: median %.1f ms elapsed, %.1f ms CPU\n",
        median(bare), median(bareCpu));
    std::printf("Ratio of elapsed times %.2f (goal < 4); of CPU times %.2f\n", ratio,
        median(fullCpu) / median(bareCpu));
    return ratio < 4 ? 0 : 1;
}
