#include "ratesfixture.h"

#include "data/crashpoint.h"
#include "rates/indexupdate.h"

#include <QSqlQuery>

#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::rates;

namespace {

class IndexUpdate : public test::RatesFixture
{
protected:
    UpdateOutcome enter(int month, int year, qint64 rateHundredths)
    {
        return ActualizaIdx(
            m_database.db(), { month, year, Rate::fromUnits(rateHundredths) }, Clock::today());
    }
    int daysBetween(QDate from, QDate to) const
    {
        QList<IndexDay> days;
        EXPECT_TRUE(table().since(from, &days));
        return static_cast<int>(
            std::count_if(days.begin(), days.end(), [&](const IndexDay& d) { return d.fecha <= to; }));
    }
};

}

TEST_F(IndexUpdate, ThirtyDayMonthFollowingTheHistoryAddsExactlyThree)
{
    historyEndsOn(QDate(2026, 10, 31));
    setToday(QDate(2026, 11, 20));
    const Index4 before = newest().indice;

    EXPECT_EQ(enter(11, 2026, 300), UpdateOutcome::Appended);

    EXPECT_EQ(newest().fecha, QDate(2026, 11, 30));
    EXPECT_EQ(newest().indice, before + Index4::fromUnits(30000));
    EXPECT_EQ(dayOf(QDate(2026, 11, 1)).indice, before + Index4::fromUnits(1000));
    EXPECT_EQ(dayOf(QDate(2026, 11, 17)).tasa, Rate::fromUnits(300));
    EXPECT_EQ(daysBetween(QDate(2026, 11, 1), QDate(2026, 11, 30)), 30);
    EXPECT_TRUE(m_messages.shown().isEmpty());
}

TEST_F(IndexUpdate, WithNovemberTodayOctoberToDecemberGoInAndJanuaryIsNotPublished)
{
    historyEndsOn(QDate(2026, 9, 30));
    setToday(QDate(2026, 11, 10));
    EXPECT_EQ(enter(10, 2026, 300), UpdateOutcome::Appended);
    EXPECT_EQ(enter(11, 2026, 310), UpdateOutcome::Appended);
    EXPECT_EQ(enter(12, 2026, 320), UpdateOutcome::Appended);
    EXPECT_TRUE(m_messages.shown().isEmpty());

    EXPECT_EQ(enter(1, 2027, 330), UpdateOutcome::NotPublished);
    ASSERT_EQ(m_messages.shown().size(), 1);
    EXPECT_EQ(m_messages.last(),
        QStringLiteral("Según la fecha de su sistema Ud. está tratando de actualizar el "
                       "índice de un més que aún no se ha publicado..."));
    EXPECT_EQ(m_messages.shown().front().icon, MessageIcon::Warning);
    EXPECT_EQ(newest().fecha, QDate(2026, 12, 31));
    EXPECT_EQ(newest().tasa, Rate::fromUnits(320));
}

TEST_F(IndexUpdate, AMissingMonthIsNamedAndNothingIsWritten)
{
    historyEndsOn(QDate(2026, 10, 31));
    setToday(QDate(2026, 12, 5));
    const int before = table().count();

    EXPECT_EQ(enter(12, 2026, 300), UpdateOutcome::MissingMonth);

    EXPECT_EQ(
        m_messages.texts(), QStringList { QStringLiteral("Falta ingresar la tasa del mes noviembre 2026") });
    EXPECT_EQ(table().count(), before);
}

TEST_F(IndexUpdate, RecomputingReplacesTheMonthAndDeletesEveryLaterDayOnlyOnYes)
{
    historyEndsOn(QDate(2026, 11, 30));
    setToday(QDate(2026, 12, 5));
    const int before = table().count();
    const Index4 september = dayOf(QDate(2026, 9, 30)).indice;
    const QString question
        = QStringLiteral("Desea calcular nuevamente la tasa del mes octubre 2026 y todos los posteriores...");

    m_messages.answer(Answer::No);
    EXPECT_EQ(enter(10, 2026, 290), UpdateOutcome::Kept);
    EXPECT_EQ(table().count(), before);
    ASSERT_EQ(m_messages.texts(), QStringList { question });
    EXPECT_EQ(m_messages.shown().front().defaultAnswer, Answer::No);

    // October goes in again with its corrected rate in the same step; November is to be entered again.
    m_messages.answer(Answer::Yes);
    EXPECT_EQ(enter(10, 2026, 290), UpdateOutcome::Recomputed);
    EXPECT_EQ(table().count(), before - 30);
    EXPECT_EQ(newest().fecha, QDate(2026, 10, 31));
    EXPECT_EQ(newest().tasa, Rate::fromUnits(290));
    EXPECT_EQ(
        newest().indice, monthIndices(QDate(2026, 10, 1), Rate::fromUnits(290), september).back().indice);
}

// The process dies between removing the month and writing it again: the table is as before.
TEST_F(IndexUpdate, ACrashInTheMiddleOfARecomputeLeavesTheTableWhole)
{
    historyEndsOn(QDate(2026, 11, 30));
    setToday(QDate(2026, 12, 5));
    const int before = table().count();
    const QString path = m_database.path();
    for (const char* step : { "indices:removed", "indices:inserted" }) {
        SCOPED_TRACE(step);
        const pid_t pid = fork();
        if (pid == 0) {
            crashpoint::install([step](const char* reached) {
                if (std::strcmp(reached, step) == 0)
                    _exit(42);
            });
            Database own(QStringLiteral("hijo"));
            if (!own.open(path).ok())
                _exit(1);
            m_messages.answer(Answer::Yes);
            ActualizaIdx(own.connection(), { 10, 2026, Rate::fromUnits(290) }, QDate(2026, 12, 5));
            _exit(0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 42);
        EXPECT_EQ(table().count(), before);
        EXPECT_EQ(newest().fecha, QDate(2026, 11, 30));
    }
}

TEST_F(IndexUpdate, ARateAboveTheMaximumIsRefused)
{
    historyEndsOn(QDate(2026, 11, 30));
    setToday(QDate(2026, 12, 5));
    EXPECT_EQ(enter(12, 2026, 10001), UpdateOutcome::Refused);
    EXPECT_EQ(m_messages.last(), QStringLiteral("La tasa mensual debe estar entre 0,00 y 100,00 %..."));
    EXPECT_EQ(newest().fecha, QDate(2026, 11, 30));
    EXPECT_EQ(enter(12, 2026, 10000), UpdateOutcome::Appended);
}

TEST_F(IndexUpdate, RecomputingFromTheOldestMonthIsRefusedSoTheHistorySurvives)
{
    std::optional<IndexDay> oldest;
    ASSERT_TRUE(table().oldest(&oldest));
    setToday(QDate(2026, 12, 5));
    const int before = table().count();
    m_messages.answer(Answer::Yes);

    EXPECT_EQ(enter(oldest->fecha.month(), oldest->fecha.year(), 300), UpdateOutcome::Refused);
    EXPECT_EQ(enter(1, 1990, 300), UpdateOutcome::Refused);

    EXPECT_EQ(table().count(), before);
    EXPECT_EQ(m_messages.shown().size(), 2);
    EXPECT_EQ(m_messages.last(),
        QStringLiteral("No se puede calcular nuevamente la tasa de ese mes: el histórico de tasas comienza "
                       "el 01/01/2000..."));
}

TEST_F(IndexUpdate, AFailedInsertLeavesNoPartOfTheMonth)
{
    historyEndsOn(QDate(2026, 11, 30));
    setToday(QDate(2026, 12, 20));
    QSqlQuery q(m_database.db());
    ASSERT_TRUE(
        q.exec(QStringLiteral("CREATE TRIGGER fail_mid_month BEFORE INSERT ON Indices "
                              "WHEN NEW.Fecha = '2026-12-16' BEGIN SELECT RAISE(ABORT, 'disk full'); END")));

    EXPECT_EQ(enter(12, 2026, 300), UpdateOutcome::Failed);
    EXPECT_EQ(m_messages.texts(), QStringList { QStringLiteral("Error al acceder a la base de datos...") });
    EXPECT_EQ(newest().fecha, QDate(2026, 11, 30));

    // Once the cause is gone the month is entered as new, without a recompute question.
    ASSERT_TRUE(q.exec(QStringLiteral("DROP TRIGGER fail_mid_month")));
    m_messages.clear();
    EXPECT_EQ(enter(12, 2026, 300), UpdateOutcome::Appended);
    EXPECT_TRUE(m_messages.shown().isEmpty());
    EXPECT_EQ(newest().fecha, QDate(2026, 12, 31));
}

TEST_F(IndexUpdate, AnEmptyHistoryIsReported)
{
    ASSERT_TRUE(table().removeFrom(QDate(1, 1, 1)));
    setToday(QDate(2026, 12, 5));
    EXPECT_EQ(enter(12, 2026, 300), UpdateOutcome::Failed);
    EXPECT_EQ(m_messages.last(),
        QStringLiteral("Error en el histórico de tasas... \nComuníquese con el proveedor "
                       "del programa..."));
}

TEST_F(IndexUpdate, RemindsAndAsksBeforeLeavingOnlyWhileAMonthIsDue)
{
    historyEndsOn(QDate(2026, 11, 30));
    const QString pending
        = QStringLiteral("Ud. necesita actualizar el índice correspondinte a diciembre de 2026\nPara ello "
                         "debe ingresar la tasa "
                         "correspondiente al período y luego hacer click en el botón \"Actualizar\"");
    std::optional<MonthProposal> proposal;

    // In November, December is not due yet.
    ASSERT_TRUE(CargaTasa(table(), &proposal));
    EXPECT_FALSE(remindPendingMonth(proposal, QDate(2026, 11, 30)));
    EXPECT_TRUE(mayLeave(table(), QDate(2026, 11, 30), &proposal));
    EXPECT_TRUE(m_messages.shown().isEmpty());

    EXPECT_EQ(remindPendingMonth(proposal, QDate(2026, 12, 1)), QDate(2026, 12, 1));
    EXPECT_EQ(m_messages.last(), pending);

    m_messages.answer(Answer::Yes);
    EXPECT_FALSE(mayLeave(table(), QDate(2027, 2, 3), &proposal));
    EXPECT_EQ(
        m_messages.last(), pending + QStringLiteral("\nDesea comenzar el proceso de actualización ahora..."));
    m_messages.answer(Answer::No);
    EXPECT_TRUE(mayLeave(table(), QDate(2027, 2, 3), &proposal));
}
