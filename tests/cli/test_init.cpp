#include "cli/cli.h"
#include "clirun.h"
#include "data/backupverify.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::cli;

namespace {

class CliTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString data() const { return dir.filePath(QStringLiteral("datos")); }
    QString databasePath() const { return QDir(data()).filePath(QStringLiteral("Impuest.db")); }

    test::CliOutcome run(const QStringList& args) { return test::runCli(data(), args); }
    QByteArray bytes(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}

TEST_F(CliTest, InitCreatesThenUpgradesAndRefusesABadDatabase)
{
    test::CliOutcome r = run({ QStringLiteral("init") });
    EXPECT_EQ(r.code, cli::ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Base de datos creada")));
    EXPECT_TRUE(QDir(QDir(data()).filePath(QStringLiteral("Archivos"))).exists());
    {
        Database created(QStringLiteral("history"));
        ASSERT_TRUE(created.open(databasePath()).ok());
        QSqlQuery history(QStringLiteral("SELECT MIN(Fecha), COUNT(*) FROM Indices"), created.connection());
        ASSERT_TRUE(history.next());
        EXPECT_EQ(history.value(0).toString(), QStringLiteral("2000-01-01"));
        EXPECT_GT(history.value(1).toInt(), 9000);
    }
    r = run({QStringLiteral("init")});
    EXPECT_EQ(r.code, cli::ExitOk);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Base de datos al día")));

    const QByteArray junk(
        "no soy una base de datos ni lo fui nunca, pero tengo largo suficiente para parecerlo");
    {
        QFile f(databasePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(junk);
    }
    r = run({ QStringLiteral("init") });
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_TRUE(r.err.contains(QStringLiteral("no se puede usar")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("ventrix-cli restore")));
    EXPECT_EQ(bytes(databasePath()), junk);

    EXPECT_EQ(run({ QStringLiteral("init"), QStringLiteral("extra") }).code, cli::ExitUsage);
}

TEST_F(CliTest, BackupAndRestoreWithTheScreensChecks)
{
    ASSERT_EQ(run({ QStringLiteral("init") }).code, cli::ExitOk);
    const QString zip = dir.filePath(QStringLiteral("copia.zip"));
    test::CliOutcome r = run({ QStringLiteral("backup"), zip });
    EXPECT_EQ(r.code, cli::ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Backup finalizado con éxito...\n"));

    {
        Database db(QStringLiteral("cambio"));
        ASSERT_TRUE(db.open(databasePath()).ok());
        QSqlQuery(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('NUEVO')"), db.connection());
    }
    const QByteArray changed = bytes(databasePath());
    r = run({ QStringLiteral("restore"), zip });
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--yes")));
    EXPECT_EQ(bytes(databasePath()), changed);

    r = run({ QStringLiteral("restore"), QStringLiteral("--yes"), zip });
    EXPECT_EQ(r.code, cli::ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Descompresión finalizada...\n"));
    const QStringList kept = DataFolder(data()).previousDatabases();
    ASSERT_EQ(kept.size(), 1);
    {
        Database previous(QStringLiteral("anterior"));
        ASSERT_TRUE(previous.openReadOnly(kept.front()).ok());
        QSqlQuery p(QStringLiteral("SELECT CMD_Contribuyente FROM CMD"), previous.connection());
        ASSERT_TRUE(p.next());
        EXPECT_EQ(p.value(0).toString(), QStringLiteral("NUEVO"));
    }
    Database db(QStringLiteral("despues"));
    ASSERT_TRUE(db.open(databasePath()).ok());
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM CMD"), db.connection());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 0);
}

TEST_F(CliTest, RestoreRefusesDamagedArchivesAndUsageErrors)
{
    ASSERT_EQ(run({ QStringLiteral("init") }).code, cli::ExitOk);
    const QByteArray before = bytes(databasePath());
    const QString fake = dir.filePath(QStringLiteral("falso.zip"));
    {
        QFile f(fake);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 cortado");
    }
    test::CliOutcome r = run({ QStringLiteral("restore"), fake, QStringLiteral("--yes") });
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Archivo dañado...\n")));
    EXPECT_EQ(bytes(databasePath()), before);

    EXPECT_EQ(run({ QStringLiteral("restore") }).code, cli::ExitUsage);
    EXPECT_EQ(run({ QStringLiteral("restore"), fake, QStringLiteral("--si") }).code, cli::ExitUsage);
    EXPECT_EQ(run({ QStringLiteral("backup") }).code, cli::ExitUsage);
    EXPECT_EQ(run({ QStringLiteral("backup"), QStringLiteral("a.zip"), QStringLiteral("b.zip") }).code,
        cli::ExitUsage);
}
