#pragma once

#include "common/fixed.h"
#include "common/result.h"

#include <QDate>

#include <optional>

namespace ventrix::agents {

// The month a deposit or declaration is for: its first and last day and its text "03/2005".
struct ArpPeriod
{
    QDate desde;
    QDate hasta;

    QString text() const { return desde.toString(QStringLiteral("MM/yyyy")); }
    bool operator==(const ArpPeriod&) const = default;
};

// The month typed as "MM/YYYY" (the separator may be any character); a zero or missing month or
// year is refused with the field's message.
Result<ArpPeriod> periodoIngresado(const QString& typed);
ArpPeriod periodOf(QDate anyDay);
// The month the screen proposes: the one before today's.
ArpPeriod periodoPropuesto(QDate today);

// The month's due date: the 15th of the next month, moved past a Saturday or Sunday. Holidays are
// the user's to apply.
QDate CalculaDefault(QDate hasta);

// The due date the user typed over the proposal: another day of the same month is kept with a
// reminder (holidays are the user's to apply); another month or year is refused and the proposal
// comes back. No message when the proposal is kept.
struct DueDateEdit
{
    QDate fecha;
    QString message;
};
DueDateEdit editaFechaVto(QDate propuesta, QDate typed);

// Why a declaration cannot be made today: refused before the last day of the month.
std::optional<QString> declaracionAntesDeTiempo(const ArpPeriod& period, QDate today);

// What is owed for the month at the payment date.
struct ArpBalance
{
    Money intereses;
    Money saldo;
    Money capitalAmortizado;
    bool operator==(const ArpBalance&) const = default;
};

// The month's total T and what was already deposited D, with the indices of the due and payment
// dates: the difference of the indices is a percentage of the total (none when the payment index
// does not exceed the due one, none on a negative total); the balance is T + interest - D and the
// part of D that went to capital what exceeds the interest.
ArpBalance CalculaInteres(Money total, Money depositado, Index4 indiceVto, Index4 indicePago);

}
