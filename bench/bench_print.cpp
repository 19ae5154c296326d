// Prints the time to write one form page to PDF, barcode read-back included, and what the
// read-back adds to writing the same page unchecked.
#include "common/print/barcodecheck.h"
#include "common/print/pageoutput.h"
#include "tests/common/print/sampleform.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace ventrix::print;
using namespace ventrix::print::test;

namespace {

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

// Each print has a new receipt number, so each run gets a record not seen before.
template <class Form> void run(const char* what, Form& form, const QString& path, int runs, double goal)
{
    const QString base = form.record;
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        form.record = QStringLiteral("%1").arg(100000000 + i) + base.mid(9);
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        if (!PageOutput::writePdf(form, path))
            std::fprintf(stderr, "the page was refused\n");
        cpu.push_back(cpuMs() - cpuStart);
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%s, PDF with read-back: median %.1f ms elapsed, %.1f ms CPU (goal < %.0f ms)\n", what,
        median(wall), median(cpu), goal);
}

// The same PDF as PageOutput::writePdf writes, without reading the barcodes back.
bool writeUnchecked(PrintableForm& form, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(form.documentName());
        writer.setCreator(QStringLiteral("Ventrix"));
        PageOutput::paintAll(form, writer);
    }
    return file.commit();
}

// Checked and unchecked writes alternate, each with a record not seen before, so that both pay
// for laying out the symbol and share the machine's load alike. The ratio is of CPU time.
template <class Form> void compare(const char* what, Form& form, const QString& path, int runs)
{
    const QString base = form.record;
    std::vector<double> checked;
    std::vector<double> unchecked;
    for (int i = 0; i < 2 * runs; ++i) {
        form.record = QStringLiteral("%1").arg(200000000 + i) + base.mid(9);
        const double start = cpuMs();
        const bool ok = i % 2 ? writeUnchecked(form, path) : PageOutput::writePdf(form, path);
        (i % 2 ? unchecked : checked).push_back(cpuMs() - start);
        if (!ok)
            std::fprintf(stderr, "the page was not written\n");
    }
    form.record = base;
    std::printf(
        "%s: checked %.1f ms, unchecked %.1f ms CPU (medians)\n", what, median(checked), median(unchecked));
    std::printf("read-back ratio: %.2fx (goal <= 1.50x)\n", median(checked) / median(unchecked));
}

void describe(const char* what, const ManchaLayout& layout)
{
    std::printf("%s: %lld symbol(s), level %d, %d data columns, %d rows", what,
        static_cast<long long>(layout.symbols.size()), layout.errorLevel, layout.columns, layout.rows);
    for (const PlacedBarcode& p : layout.symbols)
        std::printf(", %.1f x %.1f mm", p.rectMm.width(), p.rectMm.height());
    std::printf("\n");
}

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.pdf"));
    constexpr int runs = 30;

    SampleForm declaration;
    for (int i = 0; i < 3; ++i) // fonts and the PDF engine load on first use
        (void)PageOutput::writePdf(declaration, path);
    compare("page with ~60 texts and a 375-character PDF417", declaration, path, runs);
    run("page with ~60 texts and a 375-character PDF417", declaration, path, runs, 50);
    describe("375-character record", declaration.lastLayout);

    FootForm inscription;
    run("page with a 2,700-character record", inscription, path, runs, 150);
    describe("2,700-character record", inscription.lastLayout);

    for (int length : { 400, 600, 900, 1200, 1500, 2000, 2700 }) {
        describe(QStringLiteral("%1 characters in 19 x 4.5 cm").arg(length).toUtf8().constData(),
            layoutMancha(longPageRecord(length), FootForm::placement()));
    }
    return 0;
}
