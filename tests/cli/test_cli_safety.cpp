#include "cli/cli.h"
#include "clirun.h"
#include "data/database.h"
#include "data/datafolderlock.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::cli;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

QStringList args(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* a : list)
        out << qs(a);
    return out;
}

QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CliSafety : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString data() const { return dir.filePath(qs("datos")); }
    QString databasePath() const { return QDir(data()).filePath(qs("Impuest.db")); }
    test::CliOutcome run(const QStringList& a) { return test::runCli(data(), a); }
    test::CliOutcome runBare(const QStringList& a)
    {
        test::CliOutcome outcome { 0, {}, {} };
        QTextStream out(&outcome.out);
        QTextStream err(&outcome.err);
        outcome.code = cli::run(a, out, err);
        out.flush();
        err.flush();
        return outcome;
    }
};

}

TEST_F(CliSafety, HelpVersionAndAnEmptyDataFolder)
{
    for (const char* help : { "--help", "-h" }) {
        const test::CliOutcome r = runBare({ qs(help) });
        EXPECT_EQ(r.code, cli::ExitOk);
        EXPECT_TRUE(r.out.startsWith(qs("Uso: ventrix-cli [--data-dir CARPETA] <orden> [argumentos]\n")));
    }
    const test::CliOutcome version = runBare({ qs("--version") });
    EXPECT_EQ(version.code, cli::ExitOk);
    EXPECT_TRUE(version.out.startsWith(qs("ventrix-cli ")));

    const test::CliOutcome empty = runBare(args({ "--data-dir", "", "init" }));
    EXPECT_EQ(empty.code, cli::ExitUsage);
    EXPECT_TRUE(empty.err.startsWith(qs("Falta la carpeta de datos después de --data-dir.\n")));
    EXPECT_EQ(runBare(args({ "init", "--data-dir" })).code, cli::ExitUsage);
}

TEST_F(CliSafety, WritersTakeTheDataFolderLock)
{
    ASSERT_EQ(run(args({ "init" })).code, cli::ExitOk);
    ASSERT_EQ(run(args({ "backup", dir.filePath(qs("copia.zip")).toUtf8().constData() })).code, cli::ExitOk);
    DataFolderLock program(DataFolder(data()).lockPath());
    ASSERT_EQ(program.acquire(), DataFolderLock::Result::Acquired);
    const QByteArray before = bytes(databasePath());
    for (const QStringList& writer : { args({ "init" }), args({ "rates", "add", "12/2026", "3" }),
             QStringList { qs("restore"), dir.filePath(qs("copia.zip")), qs("--yes") } }) {
        const test::CliOutcome r = run(writer);
        EXPECT_EQ(r.code, cli::ExitRefused) << writer.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(qs("está en uso por el programa o por otra orden de ventrix-cli")))
            << r.err.toStdString();
    }
    EXPECT_EQ(bytes(databasePath()), before);
    // Readers go on while the program runs.
    EXPECT_EQ(run(args({ "rates", "list", "--from", "11/2026" })).code, cli::ExitOk);
    EXPECT_EQ(run({ qs("backup"), dir.filePath(qs("otra.zip")) }).code, cli::ExitOk);
}

TEST_F(CliSafety, ReadersNeverUpgradeNorWrite)
{
    ASSERT_EQ(run(args({ "init" })).code, cli::ExitOk);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("vieja"));
        db.setDatabaseName(databasePath());
        ASSERT_TRUE(db.open());
        test::TestDatabase::makeFirstVersion(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(qs("vieja"));
    const QByteArray before = bytes(databasePath());
    EXPECT_EQ(run(args({ "rates", "list", "--from", "11/2026" })).code, cli::ExitOk);
    const test::CliOutcome backup = run({ qs("backup"), dir.filePath(qs("copia.zip")) });
    EXPECT_EQ(backup.code, cli::ExitOk) << backup.err.toStdString();
    EXPECT_EQ(bytes(databasePath()), before);

    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    ASSERT_EQ(::chmod(QFile::encodeName(data()).constData(), 0555), 0);
    EXPECT_EQ(run(args({ "rates", "list", "--from", "11/2026" })).code, cli::ExitOk);
    EXPECT_EQ(run({ qs("backup"), dir.filePath(qs("otra.zip")) }).code, cli::ExitOk);
    const test::CliOutcome init = run(args({ "init" }));
    EXPECT_FALSE(init.err.contains(qs("Recupérela desde un Backup"))) << init.err.toStdString();
    ::chmod(QFile::encodeName(data()).constData(), 0755);
}

TEST_F(CliSafety, BackupOntoTheDatabaseIsRefusedAndRestoreNamesTheRealCause)
{
    ASSERT_EQ(run(args({ "init" })).code, cli::ExitOk);
    const QByteArray before = bytes(databasePath());
    const test::CliOutcome onto = run({ qs("backup"), databasePath() });
    EXPECT_EQ(onto.code, cli::ExitRefused);
    EXPECT_TRUE(
        onto.err.startsWith(qs("No se pudo realizar el BackUp...\nEl Backup no puede guardarse sobre")));
    EXPECT_EQ(bytes(databasePath()), before);

    const QString zip = dir.filePath(qs("copia.zip"));
    ASSERT_EQ(run({ qs("backup"), zip }).code, cli::ExitOk);
    const test::CliOutcome unconfirmed = run({ qs("restore"), zip });
    EXPECT_EQ(unconfirmed.code, cli::ExitRefused);
    EXPECT_FALSE(unconfirmed.err.contains(qs("Quiere reemplazarlo")));
    EXPECT_TRUE(unconfirmed.err.contains(qs("repita la orden con --yes")));

    // A folder that does not exist yet is created; it is not "the program is open".
    const QString fresh = dir.filePath(qs("nueva/datos"));
    const test::CliOutcome restored = test::runCli(fresh, { qs("restore"), zip });
    EXPECT_EQ(restored.code, cli::ExitOk) << restored.err.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(fresh).filePath(qs("Impuest.db"))));
}

TEST_F(CliSafety, APrintNeverWritesItsPdfOverTheDatabase)
{
    ASSERT_EQ(run(args({ "init" })).code, cli::ExitOk);
    const QByteArray before = bytes(databasePath());
    const QString wal = databasePath() + qs("-wal");
    for (const QStringList& print : { QStringList { qs("print"), qs("sid3"), qs("--taxpayer"), qs("1"),
                                          qs("--declaration"), qs("1"), qs("--pdf"), databasePath() },
             QStringList { qs("print"), qs("cp01"), qs("--procedure"), qs("1"), qs("--pdf"), databasePath() },
             QStringList { qs("print"), qs("cp02"), qs("--declaration"), qs("1"), qs("--pdf"), wal } }) {
        const test::CliOutcome outcome = run(print);
        EXPECT_EQ(outcome.code, cli::ExitRefused) << print.join(u' ').toStdString();
        EXPECT_TRUE(outcome.err.startsWith(
            qs("El PDF no puede guardarse sobre los archivos de trabajo de la base de datos: ")))
            << outcome.err.toStdString();
    }
    EXPECT_EQ(bytes(databasePath()), before);
}

TEST_F(CliSafety, CheckIdTakesOnlyTheShapeOrBareDigitsAndEchoesNoControls)
{
    EXPECT_EQ(run(args({ "check-id", "cuit", "20-12345678-6" })).code, cli::ExitRefused);
    EXPECT_EQ(run(args({ "check-id", "cuit", "20a12345678b6" })).code, cli::ExitRefused);
    EXPECT_EQ(run(args({ "check-id", "cuit", "20123456786" })).code, cli::ExitOk);
    EXPECT_EQ(run(args({ "check-id", "cuit", "20-12345678/6" })).code, cli::ExitOk);
    EXPECT_EQ(run(args({ "check-id", "agent", "1234/1" })).code, cli::ExitOk);
    const test::CliOutcome r = run(args({ "check-id", "cuit", "20\x1b[2J12345678\a6" }));
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_FALSE(r.err.contains(QChar(0x1b)));
    EXPECT_FALSE(r.err.contains(QChar(0x07)));
}

TEST_F(CliSafety, ScrambleTakesOnlySaneTextAndSaysWhenItWouldNotRoundTrip)
{
    const QString out = dir.filePath(qs("salida.txt"));
    const test::CliOutcome zero = run({ qs("scramble"), qs("--key"), qs("123"), qs("/dev/zero"), out });
    EXPECT_EQ(zero.code, cli::ExitRefused);
    EXPECT_TRUE(zero.err.contains(qs("no es un archivo común")));

    const QString binary = dir.filePath(qs("binario.bin"));
    QFile b(binary);
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write(QByteArray("MZ\0\0\x01\x02", 6));
    b.close();
    EXPECT_EQ(run({ qs("scramble"), qs("--key"), qs("123"), binary, out }).code, cli::ExitRefused);

    const QString lf = dir.filePath(qs("lf.txt"));
    QFile l(lf);
    ASSERT_TRUE(l.open(QIODevice::WriteOnly));
    l.write("linea uno\nlinea dos\n");
    l.close();
    const test::CliOutcome bare = run({ qs("scramble"), qs("--key"), qs("123"), lf, out });
    EXPECT_EQ(bare.code, cli::ExitOk);
    EXPECT_TRUE(bare.err.contains(qs("no se obtendrá el mismo archivo")));

    const test::CliOutcome key = run({ qs("scramble"), qs("--key"), qs("clave\u4e2d"), lf, out });
    EXPECT_EQ(key.code, cli::ExitUsage);
    EXPECT_TRUE(key.err.contains(qs("Windows-1252")));
}
