// Prints how long the program takes to create a new database with all its reference data,
// and to open an existing one with its checks and the schema upgrade.
#include "data/database.h"
#include "data/transaction.h"
#include "rates/deliveredindices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::rates;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Many taxpayers with a year of declarations and a large agent register, so that the
// integrity check at opening has real work to do.
void fill(QSqlDatabase db, int operations)
{
    data::Transaction tx(db);
    QSqlQuery q(db);
    q.exec(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Agente de prueba')"));
    const qint64 cmd = q.lastInsertId().toLongLong();
    q.prepare(QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_Contribuyente) VALUES (?, 'Agente')"));
    q.addBindValue(cmd);
    q.exec();
    const qint64 cp01 = q.lastInsertId().toLongLong();
    q.prepare(
        QStringLiteral("INSERT INTO Form_AgentRetencion (CP01_ID, AgRet_Contribuyente, AgRet_CUIT, "
                       "AgRet_Domicilio, AgRet_Fecha_Retencion, AgRet_BaseImp, AgRet_Alicuota, "
                       "AgRet_Imp_Retenido) VALUES (?, ?, '20-12345678-6', 'Calle Falsa', ?, ?, 25000, ?)"));
    for (int i = 0; i < operations; ++i) {
        q.bindValue(0, cp01);
        q.bindValue(1, QStringLiteral("Proveedor número %1").arg(i));
        q.bindValue(2, QDate(2020, 1, 1).addDays(i % 2000).toString(Qt::ISODate));
        q.bindValue(3, 100000 + i);
        q.bindValue(4, (100000 + i) / 40);
        q.exec();
    }
    tx.commit();
}

double timeOpen(const QString& path, int runs)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        data::Database db(QStringLiteral("bench_open"));
        QElapsedTimer timer;
        timer.start();
        const data::OpenResult r = db.open(path);
        times.append(timer.nsecsElapsed() / 1e6);
        if (!r.ok())
            qFatal("open failed: %s", qPrintable(r.reason));
    }
    return median(times);
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    QList<double> creates;
    for (int i = 0; i < 7; ++i) {
        const QString path = dir.filePath(QStringLiteral("create%1.db").arg(i));
        data::Database db(QStringLiteral("bench_create"));
        QElapsedTimer timer;
        timer.start();
        const data::OpenResult r = db.create(path, rates::loadDeliveredIndices);
        creates.append(timer.nsecsElapsed() / 1e6);
        if (!r.ok())
            qFatal("create failed: %s", qPrintable(r.reason));
    }
    out << "create new database with reference data: median " << median(creates)
        << " ms (target < 1000 ms)\n";

    const QString fresh = dir.filePath(QStringLiteral("create0.db"));
    out << "open existing database (new, " << QFile(fresh).size() / 1024 << " KiB): median "
        << timeOpen(fresh, 21) << " ms (target < 100 ms)\n";

    for (int operations : { 20000, 200000 }) {
        const QString path = dir.filePath(QStringLiteral("big%1.db").arg(operations));
        {
            data::Database db(QStringLiteral("bench_fill"));
            db.create(path, rates::loadDeliveredIndices);
            fill(db.connection(), operations);
        }
        out << "open existing database (" << operations << " withholdings, " << QFile(path).size() / 1024
            << " KiB): median " << timeOpen(path, 9) << " ms\n";
    }
    return 0;
}
