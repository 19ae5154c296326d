#pragma once

#include "agents/arpcomputation.h"
#include "agents/registerkind.h"
#include "data/accesodatos.h"

#include <functional>
#include <optional>

namespace ventrix::agents {

// What the month's deposits are worked out from: everything the register holds for the month,
// declared or not, and what was deposited for it.
struct ArpTotals
{
    Money total;
    Money depositado;
    bool operator==(const ArpTotals&) const = default;
};

// A declaration already made for a month: its number and the day it was presented.
struct DeclarationRef
{
    QString numero;
    QDate fechaPres;
};

// The agent's monthly declaration of one register: its totals, its number, and the marks it
// writes on the month's deposits (Form_ARP) and register rows, or clears when it is undone.
class DeclarationStore
{
public:
    DeclarationStore(data::AccesoDatos& db, const RegisterKind& kind);

    const RegisterKind& kind() const { return m_kind; }

    Result<ArpTotals> HabilitaImporte(qint64 cmdId, const ArpPeriod& period);
    // The index of exactly that day; nullopt when none is loaded.
    Result<std::optional<Index4>> indice(QDate fecha);
    // The interest and balance at the payment date with the indices of both days; a day without
    // its index stops the computation with the field's message.
    Result<ArpBalance> CalculaInteres(const ArpTotals& totals, QDate fechaVto, QDate fechaPago);
    Result<bool> hasDeposit(qint64 cmdId, const ArpPeriod& period);

    // The number of the month's declaration when it was made already, else a new one that no
    // register row nor deposit carries.
    Result<QString> BuscarDDJJ_Numero(qint64 cmdId, const ArpPeriod& period);
    // Marks the month's deposits and register rows as declared today with the number, and takes in
    // late every earlier one never declared; a month already marked is left as it is. All or nothing.
    // progress is told of each table as it is reached.
    Status AlmacenarDDJJ(qint64 cmdId, const ArpPeriod& period, const QString& numero, QDate today,
        const std::function<void(const QString&)>& progress = {});

    // The declaration that took in the month's deposits, if any.
    Result<std::optional<DeclarationRef>> declarationOf(qint64 cmdId, const ArpPeriod& period);
    // Clears the marks of the taxpayer's register rows and deposits with that number, together.
    Status undo(qint64 cmdId, const QString& numero);

    // The database copied aside (an automatic backup) before marks are written or cleared.
    Status backUp();
    // The same before a month is first marked; a month already marked (printed again) needs none.
    Status backUpUnlessDeclared(qint64 cmdId, const ArpPeriod& period);

private:
    Result<bool> numberInUse(const QString& numero);

    data::AccesoDatos& m_db;
    const RegisterKind& m_kind;
};

}
