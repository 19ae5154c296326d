#include "../../cli/clirun.h"
#include "../agentsfixture.h"
#include "importlines.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::test;

namespace {

// A data folder whose database holds one agent, and files to import beside it.
class ImportCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AgentsFixture seed;
        m_taxpayer = QString::number(seed.cmdId);
        seed.t.database().close();
        ASSERT_TRUE(QFile::copy(seed.t.path(), m_dir.filePath(QStringLiteral("Impuest.db"))));
    }
    QString file(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("percepciones.txt"));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    CliOutcome import(const QStringList& args)
    {
        return runCli(m_dir.path(), QStringList { QStringLiteral("import") } + args);
    }
    int rows()
    {
        data::Database db(QStringLiteral("check"));
        if (!db.openReadOnly(m_dir.filePath(QStringLiteral("Impuest.db"))).ok())
            return -1;
        return countOf(db.connection(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentPercepcion"));
    }

    QTemporaryDir m_dir;
    QString m_taxpayer;
};

}

TEST_F(ImportCli, DryRunWithoutYesThenCommitted)
{
    const QString path = file(perceptionLine() + "\r\n" + perceptionLine({ { Importe, "30.004" } }) + "\r\n");
    const CliOutcome dry = import({ QStringLiteral("per"), QStringLiteral("--taxpayer"), m_taxpayer, path });
    EXPECT_EQ(dry.code, 0) << dry.err.toStdString();
    EXPECT_EQ(dry.out,
        QStringLiteral("Registros leídos: 2\nAceptados: 2\nRechazados: 0\n"
                       "Prueba sin --yes: no se incorporó ningún registro a la base.\n"));
    EXPECT_EQ(rows(), 0);

    const CliOutcome done = import(
        { QStringLiteral("per"), QStringLiteral("--taxpayer"), m_taxpayer, path, QStringLiteral("--yes") });
    EXPECT_EQ(done.code, 0) << done.err.toStdString();
    EXPECT_TRUE(done.out.endsWith(QStringLiteral("Datos Incorporados Satisfactoriamente en la Base...\n")));
    EXPECT_EQ(rows(), 2);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".rechazados.txt")));
}

TEST_F(ImportCli, RejectedLinesGiveExitOneAndTheirFile)
{
    const QString path = file(perceptionLine() + "\n" + perceptionLine({ { Importe, "31" } }) + "\n");
    const CliOutcome out = import(
        { QStringLiteral("per"), QStringLiteral("--taxpayer"), m_taxpayer, path, QStringLiteral("--yes") });
    EXPECT_EQ(out.code, 1);
    EXPECT_TRUE(out.out.contains(QStringLiteral("Rechazados: 1\n")));
    EXPECT_TRUE(out.out.contains(QStringLiteral(".rechazados.txt")));
    EXPECT_EQ(rows(), 1);
    QFile rejects(path + QStringLiteral(".rechazados.txt"));
    ASSERT_TRUE(rejects.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(rejects.readAll()),
        QStringLiteral("Línea 2: Cálculo de Importe difiere de (Alicuota * BaseImp) / 100\n"));
}

TEST_F(ImportCli, UsageAndInputErrorsGiveExitTwo)
{
    const QString path = file(perceptionLine() + "\n");
    for (const QStringList& args : { QStringList { QStringLiteral("per"), path },
             QStringList { QStringLiteral("otro"), QStringLiteral("--taxpayer"), m_taxpayer, path },
             QStringList { QStringLiteral("per"), QStringLiteral("--taxpayer"), QStringLiteral("x"), path },
             QStringList { QStringLiteral("per"), QStringLiteral("--taxpayer"), m_taxpayer },
             QStringList { QStringLiteral("per"), QStringLiteral("--taxpayer"), m_taxpayer, path,
                 QStringLiteral("--no") },
             QStringList { QStringLiteral("per"), QStringLiteral("--taxpayer"), m_taxpayer,
                 m_dir.filePath(QStringLiteral("falta.txt")) },
             QStringList {
                 QStringLiteral("ret"), QStringLiteral("--taxpayer"), QStringLiteral("999"), path } }) {
        const CliOutcome out = import(args);
        EXPECT_EQ(out.code, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(out.err.isEmpty());
    }
    EXPECT_EQ(rows(), 0);
}
