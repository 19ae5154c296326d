// Times the main window with a register of 10,000 taxpayers: a search keystroke until the grid
// has repainted, and the start-up of the program showing the main window against the start-up
// of a bare Qt window (each in a fresh process, measured in the same run), both from main() and
// from the launch of the process, which includes loading the program and its libraries.
#include "app/ui/frm_principal.h"
#include "data/database.h"

#include "testdatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::app;

namespace {

constexpr int Taxpayers = 10000;

void fill(QSqlDatabase db)
{
    static const char16_t* surnames[] = {u"García", u"Peña", u"Fernández", u"López", u"Martínez", u"Ñúñez",
                                         u"Gómez", u"Díaz", u"Álvarez", u"Romero", u"Sosa", u"Acosta"};
    static const char16_t* names[] = {u"María", u"Juan", u"José", u"Ana", u"Luis", u"Carlos", u"Lucía"};
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente, CMD_NumRef, CMD_Te, CMD_Domicilio) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < Taxpayers; ++i) {
        const QString name = QString::fromUtf16(surnames[i % 12]) + QStringLiteral(", ")
            + QString::fromUtf16(names[i % 7]) + u' ' + QString::number(i);
        q.addBindValue(name);
        q.addBindValue(QStringLiteral("20-%1/3").arg(10000000 + i * 7));
        q.addBindValue(QStringLiteral("0381-42%1").arg(i, 5, 10, QChar(u'0')));
        q.addBindValue(QStringLiteral("Calle %1 N° %2").arg(i % 300).arg(i % 2000));
        q.exec();
    }
    db.commit();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

struct Sample
{
    double wall;
    double cpu;
};

// One key into the search box, until the grid has repainted.
Sample keystroke(QLineEdit* search, QTableView* grid, QKeyEvent* key)
{
    QElapsedTimer t;
    const double cpu0 = threadCpuMs();
    t.start();
    QApplication::sendEvent(search, key);
    grid->viewport()->repaint();
    QApplication::processEvents();
    return {static_cast<double>(t.nsecsElapsed()) / 1e6, threadCpuMs() - cpu0};
}

void benchKeystrokes(QSqlDatabase db)
{
    Frm_Principal window(db);
    window.show();
    QApplication::processEvents();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("Txt_Buscar"));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("TDBGrid1"));
    search->setFocus();
    std::vector<double> wall, cpu;
    for (int round = 0; round < 10; ++round) {
        for (QChar c : QStringLiteral("peña ma")) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            const Sample s = keystroke(search, grid, &press);
            wall.push_back(s.wall);
            cpu.push_back(s.cpu);
        }
        for (int i = 0; i < 7; ++i) {
            QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            const Sample s = keystroke(search, grid, &back);
            wall.push_back(s.wall);
            cpu.push_back(s.cpu);
        }
    }
    std::printf("  search keystroke -> grid repainted: median %.2f ms wall (%.2f ms CPU), worst %.2f ms"
                " (target < 20 ms)\n",
                median(wall), median(cpu), *std::max_element(wall.begin(), wall.end()));
}

double monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Child process: start a QApplication, show one window, then report the milliseconds since
// main(), the CPU the process has used since it was launched and the moment the window was up.
int startUp(int argc, char** argv, bool mainWindow, const QString& path)
{
    QElapsedTimer t;
    t.start();
    QApplication app(argc, argv);
    data::Database database(QStringLiteral("bench"));
    std::unique_ptr<QWidget> window;
    if (mainWindow) {
        if (!database.open(path).ok())
            return 2;
        window = std::make_unique<Frm_Principal>(database.connection());
    } else {
        window = std::make_unique<QMainWindow>();
        window->resize(1040, 660);
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 3;
    QApplication::processEvents();
    const double shownAt = monotonicMs();
    const double sinceMain = static_cast<double>(t.nsecsElapsed()) / 1e6;
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf("%.3f %.3f %.3f\n", sinceMain,
                static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) / 1e6, shownAt);
    return 0;
}

struct StartUp
{
    double sinceMain = 0;     // main() entered -> window shown
    double sinceLaunch = 0;   // QProcess::start -> window shown: loading the program included
    double cpu = 0;           // CPU of the child from its launch to the window shown
};

StartUp childStartUp(const QString& mode, const QString& path)
{
    QProcess child;
    // CLOCK_MONOTONIC is one clock for every process on the machine.
    const double launchedAt = monotonicMs();
    child.start(QCoreApplication::applicationFilePath(), {mode, path});
    child.waitForFinished(60000);
    const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(u' ');
    if (figures.size() != 3)
        return {};
    return {figures[0].toDouble(), figures[2].toDouble() - launchedAt, figures[1].toDouble()};
}

struct StartUpSeries
{
    std::vector<double> sinceMain, sinceLaunch, cpu;

    void add(const StartUp& s)
    {
        sinceMain.push_back(s.sinceMain);
        sinceLaunch.push_back(s.sinceLaunch);
        cpu.push_back(s.cpu);
    }
};

void benchStartUp(const QString& path)
{
    StartUpSeries bare, principal;
    for (int i = 0; i < 9; ++i) {
        bare.add(childStartUp(QStringLiteral("--bare"), path));
        principal.add(childStartUp(QStringLiteral("--main"), path));
    }
    const double bm = median(bare.sinceMain), bl = median(bare.sinceLaunch), bc = median(bare.cpu);
    const double mm = median(principal.sinceMain), ml = median(principal.sinceLaunch), mc = median(principal.cpu);
    std::printf("  start-up to a shown window, medians:        from main()  from launch  CPU since launch\n");
    std::printf("    bare QMainWindow:                       %8.1f ms  %8.1f ms  %8.1f ms\n", bm, bl, bc);
    std::printf("    Frm_Principal (10,000 taxpayers):       %8.1f ms  %8.1f ms  %8.1f ms\n", mm, ml, mc);
    std::printf("  main window / bare window:                %8.2fx    %8.2fx    %8.2fx   (target < 1.5x)\n",
                mm / bm, ml / bl, mc / bc);
}

}

int main(int argc, char** argv)
{
    if (argc == 3 && (qstrcmp(argv[1], "--bare") == 0 || qstrcmp(argv[1], "--main") == 0))
        return startUp(argc, argv, qstrcmp(argv[1], "--main") == 0, QString::fromLocal8Bit(argv[2]));

    QApplication app(argc, argv);
    test::TestDatabase t;
    fill(t.db());
    std::printf("Register of %d taxpayers\n", Taxpayers);
    benchKeystrokes(t.db());
    benchStartUp(t.path());
    return 0;
}
