// Times loading 100.000 register lines with their checks against the sqlite3 shell's ".import" of
// the same file, and the recomputation of a declaration of 50 activity lines after one cell edit.
#include "common/clock.h"
#include "scriptedmessages.h"
#include "sid3/registerimport.h"
#include "sid3/registerstore.h"
#include "sid3/sid3form.h"
#include "sid3/sid3store.h"
#include "testdatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace ventrix;
using namespace ventrix::sid3;

namespace {

constexpr int ImportLines = 100000;
constexpr int ActivityLines = 50;

QString writeImportFile(const QString& folder)
{
    const QString path = folder + QStringLiteral("/registros.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray bytes;
    for (int i = 0; i < ImportLines; ++i) {
        bytes += QByteArray::number(1 + i % 28) + "/03/2003\tRetención \"factura\" " + QByteArray::number(i)
            + "\t" + QByteArray::number(1 + i % 5000) + ",25\tAgente O'Brien " + QByteArray::number(i % 97)
            + "\t20-12345678-6\r\n";
    }
    file.write(bytes);
    return path;
}

qint64 storeDeclaration(Sid3Store& store, qint64 cp01Id)
{
    Declaration d;
    d.cp01Id = cp01Id;
    d.month = 3;
    d.year = 2003;
    d.tramite = 4;
    return store.Guardar_Sid3(d, {}) ? d.id : 0;
}

// Rows per second of the program's own load: reading, checking and inserting in one transaction.
double programImport(test::TestDatabase& database, qint64 sidId, const QString& path)
{
    data::AccesoDatos access(database.db());
    Sid3RegisterStore store(access, Register::Percepciones);
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const ImportFile parsed = parseImportFile(file.readAll());
    QTextStream(stdout) << "  reading and checking the file: " << timer.elapsed() << " ms\n";
    auto outcome = store.Ingresar_Registros(sidId, { 3, 2003 }, parsed, [] { return false; });
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (!outcome || outcome->inserted != ImportLines)
        return 0;
    return ImportLines / seconds;
}

// Rows per second of the sqlite3 shell importing the same file into a table of five columns.
double shellImport(const QString& folder, const QString& path)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty())
        return 0;
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(shell, { folder + QStringLiteral("/shell.db") });
    process.write(QStringLiteral("CREATE TABLE t (a, b, c, d, e);\n.mode tabs\n.import '%1' t\n"
                                 "SELECT COUNT(*) FROM t;\n")
                      .arg(path)
                      .toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (process.readAllStandardOutput().trimmed() != QByteArray::number(ImportLines))
        return 0;
    return ImportLines / seconds;
}

// The same through the shell into a copy of the program's database: the file imported into a
// scratch table, then its lines added to the register table with its keys, index and checks.
double shellImportIntoRegister(const QString& folder, const QString& path, const QString& database)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    const QString copy = folder + QStringLiteral("/copia.db");
    if (shell.isEmpty() || !QFile::copy(database, copy))
        return 0;
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(shell, { copy });
    process.write(
        QStringLiteral("PRAGMA foreign_keys = ON;\nCREATE TEMP TABLE t (a, b, c, d, e);\n"
                       ".mode tabs\n.import '%1' t\n"
                       "INSERT INTO Percepciones (Sid_ID, Per_Mes, Per_Año, Per_Fecha, Per_Concepto, "
                       "Per_Monto, Per_Responsable, Per_CUIT) SELECT (SELECT MAX(Sid_ID) FROM "
                       "Form_Sid3), '3', '2003', a, b, c, d, e FROM t;\n"
                       "SELECT COUNT(*) FROM Percepciones;\n")
            .arg(path)
            .toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (process.readAllStandardOutput().trimmed() != QByteArray::number(ImportLines))
        return 0;
    return ImportLines / seconds;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds to recompute a declaration of 50 lines after the base of one changed.
QList<double> recomputeAfterEdit(test::TestDatabase& database, qint64 cmdId, qint64 cp01Id)
{
    data::AccesoDatos access(database.db());
    rates::IndicesTable indices(database.db());
    Sid3Form form(access, indices, cmdId, cp01Id, {});
    QList<ActivityLine>& lines = form.lines();
    form.declaration()
        = NewPeriod { { 3, 2003 }, Procedure::Anticipo, Rate::fromUnits(300) }.declaration(cp01Id);
    for (int i = 0; i < ActivityLines; ++i) {
        ActivityLine l;
        l.codigo = QString::number(611000 + i * 17);
        l.denominacion = QStringLiteral("Com1:Actividad %1").arg(i);
        l.alicuota = Rate::fromUnits(150 + i * 7);
        l.baseMinimo = Money::fromUnits(7500 + i);
        l.baseImp = Money::fromUnits(1000000 + i);
        lines.append(l);
    }
    form.declaration().fhVto = QDate(2003, 4, 15);
    form.declaration().fechaPago = QDate(2003, 4, 25);
    QList<double> ms;
    for (int run = 0; run < 200; ++run) {
        lines[run % ActivityLines].baseImp = Money::fromUnits(500000 + run);
        QElapsedTimer timer;
        timer.start();
        form.lineEdited();
        ms << timer.nsecsElapsed() / 1e6;
    }
    return ms;
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    test::ScriptedMessages boxes;
    FixedClock clock(QDate(2003, 4, 20));
    Clock::install(&clock);
    test::TestDatabase database;
    data::AccesoDatos access(database.db());
    Sid3Store store(access);
    QSqlQuery q(database.db());
    q.exec(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Pérez Juan')"));
    const qint64 cmdId = q.lastInsertId().toLongLong();
    q.exec(QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_CUIT, CP01_IngBrut) VALUES (%1, "
                          "'20-12345678-6', '901-123456/78')")
               .arg(cmdId));
    const qint64 cp01Id = q.lastInsertId().toLongLong();
    const qint64 sidId = storeDeclaration(store, cp01Id);
    QTemporaryDir folder;
    const QString path = writeImportFile(folder.path());
    if (sidId == 0 || path.isEmpty()) {
        out << "preparing the declaration or the file failed\n";
        return 1;
    }

    // The shell's copy is taken before the program's own load, with the log folded in.
    QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), database.db());
    const QString copyFrom = database.path();
    const double shellRegister = shellImportIntoRegister(folder.path(), path, copyFrom);
    const double ours = programImport(database, sidId, path);
    const double shell = shellImport(folder.path(), path);
    out << "Import of " << ImportLines << " register lines with checks: " << qRound64(ours) << " rows/s\n";
    if (shell > 0) {
        out << "sqlite3 shell .import of the same file: " << qRound64(shell) << " rows/s\n";
        out << "Ratio: " << QString::number(ours / shell, 'f', 2) << " (target >= 0.50)\n";
    } else {
        out << "sqlite3 shell not found or its import failed: no comparison\n";
    }
    if (shellRegister > 0) {
        out << "sqlite3 shell .import into a scratch table, then into the register table: "
            << qRound64(shellRegister) << " rows/s (ratio " << QString::number(ours / shellRegister, 'f', 2)
            << ")\n";
    }

    const QList<double> ms = recomputeAfterEdit(database, cmdId, cp01Id);
    out << "Recompute a declaration of " << ActivityLines << " activity lines after a cell edit: median "
        << QString::number(median(ms), 'f', 3) << " ms, max "
        << QString::number(*std::max_element(ms.begin(), ms.end()), 'f', 3) << " ms over " << ms.size()
        << " runs (target < 5 ms)\n";
    Clock::install(nullptr);
    return ours > 0 ? 0 : 1;
}
