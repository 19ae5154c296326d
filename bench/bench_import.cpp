// Imports a generated file of valid perceptions with `ventrix-cli import` and, side by side on the
// same file, with the sqlite3 shell's `.import` into a plain table, in rounds taking turns; prints
// rows per second of both, their ratio and the importer's peak memory.
#include "bench_import_file.h"

#include "data/database.h"
#include "rates/deliveredindices.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>

using namespace ventrix;

namespace {

qint64 newAgent(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral(
        "INSERT INTO CMD (CMD_Contribuyente, CMD_NumAgentePercepcion) VALUES ('Agente', '4321/5')"));
    const qint64 cmd = q.lastInsertId().toLongLong();
    q.prepare(QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_Contribuyente) VALUES (?, 'Agente')"));
    q.addBindValue(cmd);
    q.exec();
    return cmd;
}

// Seconds the program took, or -1 when it failed.
double timed(const QString& program, const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    if (!input.isEmpty()) {
        p.write(input);
        p.closeWriteChannel();
    }
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    const double seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const QByteArray out = p.readAllStandardOutput();
    if (p.exitCode() != 0) {
        QTextStream(stderr) << program << " terminó con " << p.exitCode() << ":\n" << out;
        return -1;
    }
    return seconds;
}

long peakChildrenKiB()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/../cli/ventrix-cli");
    QTemporaryDir dir;
    // Set VENTRIX_BENCH_KEEP to look at the file and the databases afterwards.
    dir.setAutoRemove(qEnvironmentVariableIsEmpty("VENTRIX_BENCH_KEEP"));
    out << "carpeta: " << dir.path() << '\n';
    const QString file = dir.filePath(QStringLiteral("percepciones.txt"));
    if (!bench::writePerceptionsFile(file, rows)) {
        out << "No se pudo escribir el archivo de prueba\n";
        return 1;
    }
    QStringList columns;
    for (int i = 1; i <= 21; ++i)
        columns << QStringLiteral("c%1").arg(i);
    // Rounds taking turns, each on a fresh database: a shared machine's slower moments fall on
    // both, and the middle round of each is compared.
    constexpr int Rounds = 3;
    QList<double> ours;
    QList<double> shell;
    for (int round = 1; round <= Rounds; ++round) {
        const QString folder = dir.filePath(QStringLiteral("ronda%1").arg(round));
        QDir().mkpath(folder);
        qint64 cmd = 0;
        {
            data::Database db(QStringLiteral("bench_import"));
            if (!db.create(QDir(folder).filePath(QStringLiteral("Impuest.db")), rates::loadDeliveredIndices)
                     .ok())
                return 1;
            cmd = newAgent(db.connection());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench_import"));
        ours << timed(cli,
            { QStringLiteral("--data-dir"), folder, QStringLiteral("import"), QStringLiteral("per"),
                QStringLiteral("--taxpayer"), QString::number(cmd), file, QStringLiteral("--yes") });
        const QByteArray script = QStringLiteral("CREATE TABLE t (%1);\n.mode tabs\n.import '%2' t\n")
                                      .arg(columns.join(QStringLiteral(", ")), file)
                                      .toUtf8();
        shell << timed(
            QStringLiteral("sqlite3"), { QDir(folder).filePath(QStringLiteral("shell.db")) }, script);
        if (ours.last() <= 0 || shell.last() <= 0) {
            out << "Una de las importaciones falló\n";
            return 1;
        }
        out << "ronda " << round << ": ventrix-cli " << ours.last() << " s, sqlite3 " << shell.last()
            << " s, relación " << QString::number(shell.last() / ours.last(), 'f', 2) << '\n';
        out.flush();
    }
    const long peak = peakChildrenKiB();
    std::sort(ours.begin(), ours.end());
    std::sort(shell.begin(), shell.end());
    const double oursMid = ours[Rounds / 2];
    const double shellMid = shell[Rounds / 2];
    out << "filas: " << rows << '\n'
        << "ventrix-cli import: " << qRound64(rows / oursMid) << " filas/s (" << oursMid << " s)\n"
        << "sqlite3 .import:    " << qRound64(rows / shellMid) << " filas/s (" << shellMid << " s)\n"
        << "relación: " << QString::number(shellMid / oursMid, 'f', 2) << " (objetivo 1,30)\n"
        << "memoria máxima de ventrix-cli: " << peak / 1024 << " MiB (objetivo menos de 64 MiB)\n";
    return 0;
}
