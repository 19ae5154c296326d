#include "rates/indexupdate.h"

#include "common/messages.h"
#include "rates/ratefields.h"
#include "rates/ratesmessages.h"

namespace ventrix::rates {
namespace {

QDate firstOfMonth(QDate day)
{
    return QDate(day.year(), day.month(), 1);
}

UpdateOutcome appendMonth(IndicesTable& table, QDate firstDay, Rate tasa, Index4 previous)
{
    if (!table.append(monthIndices(firstDay, tasa, previous))) {
        fail(msg::databaseError());
        return UpdateOutcome::Failed;
    }
    return UpdateOutcome::Appended;
}

UpdateOutcome offerRecompute(IndicesTable& table, QDate firstDay, Rate tasa)
{
    std::optional<IndexDay> oldest;
    if (!table.oldest(&oldest)) {
        fail(msg::newestReadError());
        return UpdateOutcome::Failed;
    }
    // Deleting the whole history would leave no index for the next month to continue from.
    if (oldest && firstDay <= oldest->fecha) {
        warn(msg::beforeHistory(oldest->fecha));
        return UpdateOutcome::Refused;
    }
    if (!askYesNo(msg::recomputeQuestion(firstDay), MessageIcon::Question, false))
        return UpdateOutcome::Kept;
    std::optional<IndexDay> before;
    if (!table.day(firstDay.addDays(-1), &before) || !before) {
        fail(msg::databaseError());
        return UpdateOutcome::Failed;
    }
    // The month goes in again with the typed rate in the same transaction that removes it and
    // every later day, so the table is never left cut short; the later months are entered again.
    if (!table.replaceFrom(firstDay, monthIndices(firstDay, tasa, before->indice))) {
        fail(msg::databaseError());
        return UpdateOutcome::Failed;
    }
    return UpdateOutcome::Recomputed;
}

}

bool isPublished(QDate firstDay, QDate today)
{
    const int monthsToToday = (today.year() - firstDay.year()) * 12 + today.month() - firstDay.month();
    return monthsToToday >= -1;
}

bool isDue(QDate firstDay, QDate today)
{
    return firstDay <= firstOfMonth(today);
}

MonthProposal proposalAfter(const IndexDay& newest)
{
    return { firstOfMonth(newest.fecha.addDays(1)), newest.tasa };
}

bool CargaTasa(const IndicesTable& table, std::optional<MonthProposal>* out)
{
    std::optional<IndexDay> newest;
    if (!table.newest(&newest))
        return false;
    *out = newest ? std::optional<MonthProposal>(proposalAfter(*newest)) : std::nullopt;
    return true;
}

UpdateOutcome ActualizaIdx(QSqlDatabase db, const MonthEntry& entry, QDate today)
{
    const QDate firstDay = entry.firstDay();
    if (!firstDay.isValid() || entry.tasa.isNegative()) {
        warn(msg::incompleteFields());
        return UpdateOutcome::Refused;
    }
    if (entry.tasa > MaxMonthlyRate) {
        warn(msg::rateOutOfRange());
        return UpdateOutcome::Refused;
    }
    if (!isPublished(firstDay, today)) {
        warn(msg::notPublished());
        return UpdateOutcome::NotPublished;
    }
    IndicesTable table(db);
    std::optional<IndexDay> newest;
    if (!table.newest(&newest)) {
        fail(msg::newestReadError());
        return UpdateOutcome::Failed;
    }
    if (!newest) {
        fail(msg::emptyHistory());
        return UpdateOutcome::Failed;
    }
    const QDate following = newest->fecha.addDays(1);
    if (firstDay == following)
        return appendMonth(table, firstDay, entry.tasa, newest->indice);
    if (firstDay > following) {
        warn(msg::missingMonth(following));
        return UpdateOutcome::MissingMonth;
    }
    return offerRecompute(table, firstDay, entry.tasa);
}

std::optional<QDate> remindPendingMonth(const std::optional<MonthProposal>& proposal, QDate today)
{
    if (!proposal || !isDue(proposal->firstDay, today))
        return std::nullopt;
    inform(msg::pendingUpdate(proposal->firstDay));
    return proposal->firstDay;
}

bool mayLeave(const IndicesTable& table, QDate today, std::optional<MonthProposal>* proposal)
{
    if (!CargaTasa(table, proposal)) {
        fail(msg::leaveQueryError());
        return true;
    }
    if (!*proposal || !isDue((*proposal)->firstDay, today))
        return true;
    return !askYesNo(msg::leaveQuestion((*proposal)->firstDay), MessageIcon::Question, true);
}

}
