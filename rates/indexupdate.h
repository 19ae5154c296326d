#pragma once

#include "rates/indicestable.h"

#include <QDate>
#include <QSqlDatabase>

#include <optional>

// The monthly update of the indices table, shared by the rates screen and the command-line tool.
// Its messages and questions go through the message service.
namespace ventrix::rates {

// The month the user typed and its published rate.
struct MonthEntry
{
    int month = 0;
    int year = 0;
    Rate tasa;
    QDate firstDay() const { return QDate(year, month, 1); }
};

enum class UpdateOutcome {
    Appended, // the month was added after the newest day
    NotPublished, // two or more months after the current one: nothing written
    MissingMonth, // an earlier month is still missing: nothing written
    Recomputed, // the month was entered again with this rate; every later day was deleted
    Kept, // the month was already there and the user kept it
    Refused, // the entry cannot be used: nothing written
    Failed, // the table could not be read or written: nothing changed
};

// The month proposed to the user: the one after the newest day, with the newest day's rate.
struct MonthProposal
{
    QDate firstDay;
    Rate tasa;
};

// The authority publishes a month's rate at the start of the month before, at the earliest.
bool isPublished(QDate firstDay, QDate today);
// True when the month starting at firstDay is not later than the current month.
bool isDue(QDate firstDay, QDate today);

MonthProposal proposalAfter(const IndexDay& newest);
// CargaTasa: the proposal after the newest day into *out (nullopt for an empty table);
// false when the table cannot be read.
bool CargaTasa(const IndicesTable& table, std::optional<MonthProposal>* out);

// ActualizaIdx: checks the entry against today and the history and appends, refuses or offers
// to recompute the month, with the program's messages.
UpdateOutcome ActualizaIdx(QSqlDatabase db, const MonthEntry& entry, QDate today);

// After an update: tells the user which month still needs its rate, when one is due.
// Returns the month told about.
std::optional<QDate> remindPendingMonth(const std::optional<MonthProposal>& proposal, QDate today);

// Leaving the rates screen: when a month is due, asks whether to enter it now.
// True when the screen may close; *proposal receives the month to enter otherwise.
bool mayLeave(const IndicesTable& table, QDate today, std::optional<MonthProposal>* proposal);

}
