#include "cli/cli.h"
#include "clirun.h"
#include "common/clock.h"
#include "rates/indicestable.h"
#include "testdatabase.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::rates;
using namespace ventrix::cli;

namespace {

// Runs ventrix-cli on a data folder whose history ends on 30/11/2026, with a fixed today.
class RatesCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        {
            test::TestDatabase seed(QStringLiteral("seed"));
            ASSERT_TRUE(IndicesTable(seed.db()).removeFrom(QDate(2026, 12, 1)));
            std::optional<IndexDay> last;
            ASSERT_TRUE(IndicesTable(seed.db()).day(QDate(2026, 11, 30), &last) && last);
            m_novemberRate = u'\t' + last->tasa.toDisplay();
            seed.database().close();
            ASSERT_TRUE(QFile::copy(seed.path(), QDir(m_dir.path()).filePath(QStringLiteral("Impuest.db"))));
        }
        Clock::install(&m_clock);
    }
    void TearDown() override { Clock::install(nullptr); }

    int run(const QStringList& args)
    {
        const test::CliOutcome outcome
            = test::runCli(m_dir.path(), QStringList { QStringLiteral("rates") } + args);
        m_out = outcome.out;
        m_err = outcome.err;
        return outcome.code;
    }
    QStringList lines() const { return m_out.split(u'\n', Qt::SkipEmptyParts); }

    QTemporaryDir m_dir;
    FixedClock m_clock { QDate(2026, 12, 10) };
    QString m_out;
    QString m_err;
    QString m_novemberRate; // "\t" + the delivered rate of November 2026
};

QStringList args(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* a : list)
        out << QString::fromUtf8(a);
    return out;
}

}

TEST_F(RatesCli, ListsOneLinePerDayFromTheGivenMonth)
{
    ASSERT_EQ(run(args({ "list", "--from", "11/2026" })), cli::ExitOk) << m_err.toStdString();
    ASSERT_EQ(lines().size(), 30);
    EXPECT_TRUE(lines().front().startsWith(QStringLiteral("01/11/2026\t")));
    EXPECT_TRUE(lines().back().endsWith(m_novemberRate));
    EXPECT_EQ(lines().back().split(u'\t').at(1).section(u',', 1).size(), 4) << "four decimals";
}

TEST_F(RatesCli, AddsTheNextMonthAndRefusesWhatTheScreenRefuses)
{
    EXPECT_EQ(run(args({ "add", "12/2026", "3,10" })), cli::ExitOk) << m_err.toStdString();
    EXPECT_EQ(m_out, QStringLiteral("Índices de diciembre de 2026 actualizados.\n"));

    EXPECT_EQ(run(args({ "add", "2/2027", "3" })), cli::ExitRefused);
    EXPECT_TRUE(m_err.startsWith(QStringLiteral("Según la fecha de su sistema")));

    EXPECT_EQ(run(args({ "add", "13/2026", "3" })), cli::ExitRefused);
    EXPECT_EQ(m_err, QStringLiteral("Período inválido: 13/2026\n"));
    EXPECT_EQ(run(args({ "add", "1/2027", "tres" })), cli::ExitRefused);
    EXPECT_EQ(run(args({ "add", "1/2027", "9223372036855" })), cli::ExitRefused);
    EXPECT_EQ(m_err, QStringLiteral("La tasa mensual debe estar entre 0,00 y 100,00 %...\n"));

    ASSERT_EQ(run(args({ "list", "--from", "12/2026" })), cli::ExitOk);
    EXPECT_EQ(lines().size(), 31);
    EXPECT_TRUE(lines().back().startsWith(QStringLiteral("31/12/2026\t")));
    EXPECT_TRUE(lines().back().endsWith(QStringLiteral("\t3,10")));
}

TEST_F(RatesCli, AnEnteredMonthIsReplacedOnlyWithRecompute)
{
    EXPECT_EQ(run(args({ "add", "11/26", "2.5" })), cli::ExitRefused);
    EXPECT_TRUE(m_out.contains(QStringLiteral("Desea calcular nuevamente la tasa del mes noviembre 2026")));
    EXPECT_TRUE(m_err.contains(QStringLiteral("repita la orden con --recompute"))) << m_err.toStdString();
    ASSERT_EQ(run(args({ "list", "--from", "11/2026" })), cli::ExitOk);
    EXPECT_TRUE(lines().front().endsWith(m_novemberRate));

    EXPECT_EQ(run(args({ "add", "11/26", "2.5", "--recompute" })), cli::ExitOk) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(
        QStringLiteral("Ud. necesita actualizar el índice correspondinte a diciembre de 2026")));
    ASSERT_EQ(run(args({ "list", "--from", "11/2026" })), cli::ExitOk);
    ASSERT_EQ(lines().size(), 30);
    EXPECT_TRUE(lines().back().startsWith(QStringLiteral("30/11/2026\t")));
    EXPECT_TRUE(lines().back().endsWith(QStringLiteral("\t2,50")));
}

TEST_F(RatesCli, WrongCommandLinesAreUsageErrors)
{
    EXPECT_EQ(run({}), cli::ExitUsage);
    EXPECT_EQ(run(args({ "borrar" })), cli::ExitUsage);
    EXPECT_EQ(run(args({ "add", "12/2026" })), cli::ExitUsage);
    EXPECT_EQ(run(args({ "add", "12-2026", "3" })), cli::ExitUsage);
    EXPECT_EQ(run(args({ "list", "--from", "diciembre" })), cli::ExitUsage);
    EXPECT_EQ(run(args({ "list", "extra" })), cli::ExitUsage);
}

TEST_F(RatesCli, ListingNeverCreatesADatabaseAddingDoes)
{
    QTemporaryDir empty;
    const QString missing = QDir(empty.path()).filePath(QStringLiteral("no-existe"));
    const test::CliOutcome listed = test::runCli(missing, args({ "rates", "list" }));
    EXPECT_EQ(listed.code, cli::ExitRefused);
    EXPECT_TRUE(listed.err.startsWith(QStringLiteral("No existe la base de datos ")))
        << listed.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));

    m_dir.swap(empty);
    ASSERT_EQ(run(args({ "add", "12/2026", "3" })), cli::ExitOk) << m_err.toStdString();
    EXPECT_TRUE(QFile::exists(QDir(m_dir.path()).filePath(QStringLiteral("Impuest.db"))));
    ASSERT_EQ(run(args({ "list", "--from", "1/2026" })), cli::ExitOk) << m_err.toStdString();
    EXPECT_GE(lines().size(), 300);
}
