// Times the main window with a large register: a search keystroke refreshing the grid, and
// showing the main window against showing a bare Qt window in the same run.
#include "app/ui/frm_principal.h"
#include "common/messages.h"

#include "testdatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QSqlQuery>
#include <QTableView>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace ventrix;

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
    return v[v.size() / 2];
}

double msSince(const QElapsedTimer& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Types one character into the search box and waits until the grid has repainted.
double keystroke(QLineEdit* search, QTableView* grid, QChar c)
{
    QElapsedTimer t;
    t.start();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(search, &press);
    grid->viewport()->repaint();
    QApplication::processEvents();
    return msSince(t);
}

template <typename Make>
double showTime(Make make)
{
    std::vector<double> runs;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        auto window = make();
        window->show();
        window->repaint();
        QApplication::processEvents();
        runs.push_back(msSince(t));
    }
    return median(runs);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    test::TestDatabase t;
    fill(t.db());

    const double bare = showTime([] {
        auto w = std::make_unique<QMainWindow>();
        w->resize(1040, 660);
        return w;
    });
    const double main = showTime([&] { return std::make_unique<Frm_Principal>(t.db()); });

    Frm_Principal window(t.db());
    window.show();
    QApplication::processEvents();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("Txt_Buscar"));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("TDBGrid1"));
    search->setFocus();
    std::vector<double> narrowing, widening;
    for (int round = 0; round < 5; ++round) {
        search->clear();
        for (QChar c : QStringLiteral("peña ma"))
            narrowing.push_back(keystroke(search, grid, c));
        for (int i = 0; i < 7; ++i) {
            QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QElapsedTimer tm;
            tm.start();
            QApplication::sendEvent(search, &back);
            grid->viewport()->repaint();
            QApplication::processEvents();
            widening.push_back(msSince(tm));
        }
    }
    std::vector<double> all = narrowing;
    all.insert(all.end(), widening.begin(), widening.end());

    std::printf("Register of %d taxpayers\n", Taxpayers);
    std::printf("  search keystroke -> grid refreshed: median %.2f ms, worst %.2f ms (target < 20 ms)\n",
                median(all), *std::max_element(all.begin(), all.end()));
    std::printf("  show bare QMainWindow:  median %.2f ms\n", bare);
    std::printf("  show Frm_Principal:     median %.2f ms (%.2fx the bare window, target < 1.5x)\n", main,
                main / bare);
    return 0;
}
