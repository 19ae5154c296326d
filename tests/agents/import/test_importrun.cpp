#include "agents/importmessages.h"
#include "agents/importrun.h"
#include "data/crashpoint.h"

#include "../agentsfixture.h"
#include "importlines.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

class ImportRunTest : public ::testing::Test
{
protected:
    AgentsFixture f;
    QTemporaryDir dir;
    const RegisterKind& kind = RegisterKind::percepciones();

    QString file(const QByteArray& bytes, const QString& name = QStringLiteral("operaciones.txt"))
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    int rows() { return countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentPercepcion")); }
    // The register's two indexes are there and agree with the table.
    void expectIndexesWhole()
    {
        EXPECT_EQ(countOf(f.t.db(),
                      QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = "
                                     "'Form_AgentPercepcion' AND sql IS NOT NULL")),
            2);
        QSqlQuery q(QStringLiteral("PRAGMA integrity_check"), f.t.db());
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), QStringLiteral("ok"));
    }
    static QByteArray rejectsOf(const QString& source)
    {
        QFile in(ImportRun::rejectsPathFor(source));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

}

TEST_F(ImportRunTest, GoodLinesWaitForConfirmationAndRejectedOnesAreListed)
{
    const QString path = file(perceptionLine() + "\r\n" + perceptionLine({ { Contribuyente, "O'Brien" } })
        + "\r\n" + perceptionLine({ { Cuit, "20-1111111A/2" }, { Importe, "31" } }) + "\r\n\r\n"
        + perceptionLine({ { Cuit, "" }, { Importe, "30.004" } }) + "\n");
    ImportRun run(f.t.db(), kind, f.cp01Id);
    const auto summary = run.run(path);
    ASSERT_TRUE(summary) << summary.error().toStdString();
    EXPECT_EQ(summary->outcome, ImportSummary::Outcome::Read);
    EXPECT_EQ(summary->read, 4);
    EXPECT_EQ(summary->accepted, 3);
    EXPECT_EQ(summary->rejected, 1);
    EXPECT_EQ(summary->rejectsPath, path + QStringLiteral(".rechazados.txt"));
    EXPECT_EQ(QString::fromUtf8(rejectsOf(path)),
        QStringLiteral("Línea 3: CUIT no Válido - 20-1111111A/2; Cálculo de Importe difiere de (Alicuota * "
                       "BaseImp) / 100\n"));
    EXPECT_TRUE(run.pending());
    EXPECT_EQ(rows(), 3);
    run.rollback();
    EXPECT_EQ(rows(), 0);
    expectIndexesWhole();

    ASSERT_TRUE(run.run(path));
    ASSERT_TRUE(run.commit());
    EXPECT_FALSE(run.pending());
    expectIndexesWhole();
    // Into a register that already holds more rows than the file brings.
    ASSERT_TRUE(run.run(file(perceptionLine() + "\n", QStringLiteral("una.txt"))));
    ASSERT_TRUE(run.commit());
    EXPECT_EQ(rows(), 4);
    expectIndexesWhole();
    QSqlQuery q(f.t.db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT CP01_ID, AgPer_Contribuyente, AgPer_CUIT, "
                                      "AgPer_Fecha_Percepcion, AgPer_BaseImp, AgPer_Alicuota, "
                                      "AgPer_Imp_Percibido, AgPer_Piso, AgPer_FechaDDJJ, AgPer_DDJJNumForm "
                                      "FROM Form_AgentPercepcion ORDER BY AgPer_ID")));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toLongLong(), f.cp01Id);
    EXPECT_EQ(q.value(2).toString(), QStringLiteral("20-11111111/2"));
    EXPECT_EQ(q.value(3).toString(), QStringLiteral("2026-03-10"));
    EXPECT_EQ(q.value(4).toLongLong(), 100000);
    EXPECT_EQ(q.value(5).toLongLong(), 30000);
    EXPECT_EQ(q.value(6).toLongLong(), 3000);
    EXPECT_TRUE(q.value(7).isNull());
    EXPECT_TRUE(q.value(8).isNull());
    EXPECT_TRUE(q.value(9).isNull());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("O´Brien"));
    ASSERT_TRUE(q.next());
    EXPECT_TRUE(q.value(2).isNull());
    EXPECT_EQ(q.value(6).toLongLong(), 3000);
}

TEST_F(ImportRunTest, LeavingUnconfirmedOrStoppingKeepsTheTableUnchanged)
{
    const QString path = file(perceptionLine() + "\n" + perceptionLine({ { Fecha, "31/02/2026" } }) + "\n"
        + perceptionLine() + "\n" + perceptionLine({ { Base, "1000,50" } }) + "\n" + perceptionLine() + "\n");
    {
        ImportRun run(f.t.db(), kind, f.cp01Id);
        ASSERT_TRUE(run.run(path));
        EXPECT_EQ(rows(), 3);
    }
    EXPECT_EQ(rows(), 0);

    QList<qint64> asked;
    ImportHooks hooks;
    hooks.rejected = [&](qint64 line, const QStringList& reasons) {
        asked << line;
        EXPECT_EQ(reasons, QStringList { QStringLiteral(" Fecha no Válida - 31/02/2026") });
        return RejectAnswer::Stop;
    };
    ImportRun stopped(f.t.db(), kind, f.cp01Id, hooks);
    const auto summary = stopped.run(path);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->outcome, ImportSummary::Outcome::Stopped);
    EXPECT_EQ(asked, QList<qint64> { 2 });
    EXPECT_FALSE(stopped.pending());
    EXPECT_EQ(rows(), 0);

    // "Sí a todo": asked once, every later refusal only listed.
    asked.clear();
    hooks.rejected = [&](qint64 line, const QStringList&) {
        asked << line;
        return RejectAnswer::ContinueAll;
    };
    ImportRun all(f.t.db(), kind, f.cp01Id, hooks);
    const auto read = all.run(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(asked, QList<qint64> { 2 });
    EXPECT_EQ(read->rejected, 2);
    EXPECT_EQ(rejectsOf(path).count('\n'), 2);
    EXPECT_TRUE(all.pending());
}

TEST_F(ImportRunTest, CancelUndoesEverything)
{
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += perceptionLine() + "\n";
    ImportHooks hooks;
    int pulses = 0;
    hooks.progress = [&](const ImportProgress& p) {
        ++pulses;
        EXPECT_LE(p.bytesRead, p.bytesTotal);
    };
    hooks.cancelled = [] { return true; };
    ImportRun run(f.t.db(), kind, f.cp01Id, hooks);
    const auto summary = run.run(file(many));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->outcome, ImportSummary::Outcome::Cancelled);
    EXPECT_LT(summary->read, 3000);
    EXPECT_FALSE(run.pending());
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(pulses, 1);
}

TEST_F(ImportRunTest, BackupComesFirstAndItsFailureStopsTheImport)
{
    const QString path = file(perceptionLine() + "\n");
    ImportHooks hooks;
    // What the hook writes survives the import's rollback: it ran before the transaction began.
    hooks.backupBefore = [&]() -> Status {
        execInsert(f.t.db(), QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"),
            { QStringLiteral("Marca") });
        return Error { QStringLiteral("No se pudo hacer el Backup...") };
    };
    ImportRun run(f.t.db(), kind, f.cp01Id, hooks);
    const auto summary = run.run(path);
    ASSERT_FALSE(summary);
    EXPECT_EQ(summary.error(), QStringLiteral("No se pudo hacer el Backup..."));
    EXPECT_EQ(
        countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM CMD WHERE CMD_Contribuyente = 'Marca'")), 1);
    EXPECT_FALSE(run.pending());
    EXPECT_EQ(rows(), 0);
}

TEST_F(ImportRunTest, EmptyAndGarbageFilesAreReadWithoutHarm)
{
    const auto empty = ImportRun(f.t.db(), kind, f.cp01Id).run(file({}, QStringLiteral("vacio.txt")));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->read, 0);
    EXPECT_TRUE(empty->rejectsPath.isEmpty());

    QByteArray garbage;
    quint32 x = 12345;
    for (int i = 0; i < 300000; ++i) {
        x = x * 1664525u + 1013904223u;
        garbage += static_cast<char>(x >> 24);
    }
    const QString path = file(garbage, QStringLiteral("basura.bin"));
    ImportRun run(f.t.db(), kind, f.cp01Id);
    const auto summary = run.run(path);
    ASSERT_TRUE(summary);
    EXPECT_GT(summary->read, 0);
    EXPECT_EQ(summary->accepted, 0);
    EXPECT_EQ(summary->rejected, summary->read);
    EXPECT_EQ(rejectsOf(path).count('\n'), summary->read);
    EXPECT_EQ(rows(), 0);

    const auto missing = ImportRun(f.t.db(), kind, f.cp01Id).run(dir.filePath(QStringLiteral("no.txt")));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().startsWith(QStringLiteral("No se puede leer el archivo ")));
}

TEST_F(ImportRunTest, AHugeSingleLineIsReportedWithFlatMemory)
{
    const QString path = dir.filePath(QStringLiteral("enorme.txt"));
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(perceptionLine() + "\n");
        const QByteArray block(1 << 20, 'A');
        for (int i = 0; i < 200; ++i)
            out.write(block);
        out.write("\n" + perceptionLine() + "\n");
    }
    rusage before {};
    getrusage(RUSAGE_SELF, &before);
    ImportRun run(f.t.db(), kind, f.cp01Id);
    const auto summary = run.run(path);
    rusage after {};
    getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->read, 3);
    EXPECT_EQ(summary->accepted, 2);
    EXPECT_EQ(QString::fromUtf8(rejectsOf(path)),
        QStringLiteral("Línea 2: Registro demasiado largo - 209715200 bytes (máximo 65536)\n"));
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024); // KiB
}

// A large import keeps a rollback journal while it runs: the process killed after its rows went
// in, or at the moment of keeping them, leaves the register as it was, its indexes whole, and
// the database back on its usual log when next opened.
TEST_F(ImportRunTest, ACrashMidImportLeavesTheRegisterAsItWas)
{
    ImportRun first(f.t.db(), kind, f.cp01Id);
    ASSERT_TRUE(first.run(file(perceptionLine() + "\n", QStringLiteral("una.txt"))));
    ASSERT_TRUE(first.commit());
    QByteArray many;
    for (int i = 0; i < 3000; ++i)
        many += perceptionLine() + "\n";
    const QString path = file(many);
    const QString database = f.t.path();
    f.t.database().close();
    for (const char* step : { "import:rows-written", "import:confirmed" }) {
        SCOPED_TRACE(step);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            data::crashpoint::install([step, database](const char* reached) {
                if (std::strcmp(reached, step) == 0)
                    _exit(QFile::exists(database + QStringLiteral("-journal")) ? 42 : 43);
            });
            data::Database own(QStringLiteral("hijo"));
            if (!own.open(database).ok())
                _exit(1);
            ImportRun run(own.connection(), kind, f.cp01Id);
            if (run.run(path))
                (void)run.commit();
            _exit(0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 42); // stopped there, with the rollback journal in use
        ASSERT_TRUE(f.t.database().open(database).ok());
        EXPECT_EQ(rows(), 1);
        expectIndexesWhole();
        QSqlQuery mode(QStringLiteral("PRAGMA journal_mode"), f.t.db());
        ASSERT_TRUE(mode.next());
        EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
        f.t.database().close();
    }
    ASSERT_TRUE(f.t.database().open(database).ok());
    ImportRun again(f.t.db(), kind, f.cp01Id);
    ASSERT_TRUE(again.run(path));
    ASSERT_TRUE(again.commit());
    EXPECT_EQ(rows(), 3001);
    expectIndexesWhole();
}

// All the rows belong to the inscription given; one that is not there takes in nothing, and the
// references are checked again once the import is over.
TEST_F(ImportRunTest, AnInscriptionThatIsNotThereTakesNothing)
{
    const QString path = file(perceptionLine() + "\n" + perceptionLine() + "\n");
    ImportRun run(f.t.db(), kind, f.cp01Id + 1000);
    const auto summary = run.run(path);
    ASSERT_FALSE(summary);
    EXPECT_EQ(summary.error(), msg::sinInscripcion());
    EXPECT_FALSE(run.pending());
    EXPECT_EQ(rows(), 0);

    ImportRun good(f.t.db(), kind, f.cp01Id);
    ASSERT_TRUE(good.run(path));
    ASSERT_TRUE(good.commit());
    EXPECT_EQ(rows(), 2);
    QSqlQuery check(QStringLiteral("PRAGMA foreign_key_check"), f.t.db());
    EXPECT_FALSE(check.next());
    QSqlQuery keys(QStringLiteral("PRAGMA foreign_keys"), f.t.db());
    ASSERT_TRUE(keys.next());
    EXPECT_EQ(keys.value(0).toInt(), 1);
}

TEST_F(ImportRunTest, WithholdingsTakeTheirOwnColumns)
{
    const QByteArray line
        = "1234/1\tProveedor SRL\t20-11111111/2\t001-123456/00\tSan Martín\t123\t\t\t\t\t\t5000\t"
          "Capital\tValdera\t0351\t4000000\tR-0001\tCapital\t11/03/2026\t10/03/2026\t1000\t2.5\t25\n";
    ImportRun run(f.t.db(), RegisterKind::retenciones(), f.cp01Id);
    const auto summary = run.run(file(line));
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->accepted, 1);
    ASSERT_TRUE(run.commit());
    QSqlQuery q(
        QStringLiteral("SELECT AgRet_Lugar_Fecha, AgRet_Fecha_Retencion, AgRet_Imp_Retenido, AgRet_NumRecibo "
                       "FROM Form_AgentRetencion"),
        f.t.db());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("2026-03-11"));
    EXPECT_EQ(q.value(1).toString(), QStringLiteral("2026-03-10"));
    EXPECT_EQ(q.value(2).toLongLong(), 2500);
    EXPECT_EQ(q.value(3).toString(), QStringLiteral("R-0001"));
}

TEST(ImportProgressTest, RemainingSecondsAtThePaceSoFar)
{
    EXPECT_EQ(remainingSeconds({ 0, 1000, 0, 500 }), 0);
    EXPECT_EQ(remainingSeconds({ 250, 1000, 10, 1000 }), 3);
    EXPECT_EQ(remainingSeconds({ 1000, 1000, 10, 1000 }), 0);
}

TEST_F(ImportRunTest, FixtureFilesFromOtherSystems)
{
    const QString folder = QStringLiteral(QT_TESTCASE_SOURCEDIR "/agents/import/fixtures/");
    const QString windows = dir.filePath(QStringLiteral("cp1252.txt"));
    ASSERT_TRUE(QFile::copy(folder + QStringLiteral("percepciones_cp1252_crlf.txt"), windows));
    ImportRun run(f.t.db(), kind, f.cp01Id);
    const auto summary = run.run(windows);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->accepted, 4);
    ASSERT_TRUE(run.commit());
    QSqlQuery q(
        QStringLiteral(
            "SELECT AgPer_Contribuyente, AgPer_Domicilio FROM Form_AgentPercepcion ORDER BY AgPer_ID"),
        f.t.db());
    QStringList names;
    while (q.next())
        names << q.value(0).toString() + u'|' + q.value(1).toString();
    EXPECT_EQ(names,
        QStringList(
            { QStringLiteral("Muñoz Hnos. S.A.|San Martín"), QStringLiteral("Peña \"La Fuente\"|Güemes"),
                QStringLiteral("D´Angelo|San Martín"), QStringLiteral("Cliente SA|San Martín") }));

    const QString bad = dir.filePath(QStringLiteral("malformadas.txt"));
    ASSERT_TRUE(QFile::copy(folder + QStringLiteral("percepciones_malformadas.txt"), bad));
    ImportRun second(f.t.db(), kind, f.cp01Id);
    const auto refused = second.run(bad);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->read, 9);
    EXPECT_EQ(refused->accepted, 2); // the good line and the negative correction
    EXPECT_EQ(QString::fromUtf8(rejectsOf(bad)),
        QStringLiteral(
            "Línea 2: Cálculo de Importe difiere de (Alicuota * BaseImp) / 100\n"
            "Línea 3: Fecha no Válida - 31/02/2026\n"
            "Línea 4: Número no Válido - 1000,50\n"
            "Línea 6: CUIT no Válido - 20-1111111A/2\n"
            "Línea 7: Cantidad de campos no válida - 2 de 21; Campo Requerido - AgPer_Fecha_Percepcion; "
            "Campo Requerido - AgPer_BaseImp; Campo Requerido - AgPer_Imp_Percibido\n"
            "Línea 8: Cantidad de campos no válida - 22 de 21\n"
            "Línea 9: Campo Requerido - AgPer_Contribuyente\n"));
    second.rollback();
    EXPECT_EQ(rows(), 4);
}
