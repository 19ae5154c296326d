#pragma once

#include "agents/agentoperation.h"
#include "agents/arpcomputation.h"
#include "data/accesodatos.h"

#include <optional>

namespace ventrix::agents {

// One deposit of a month's withholdings or perceptions (a row of Form_ARP).
struct ArpDeposit
{
    qint64 id = 0; // 0 while never stored
    QString operacion; // "Retención" or "Percepción"
    ArpPeriod period;
    QDate fechaVto;
    QDate fechaPago;
    std::optional<Money> importe; // the month's total
    std::optional<Money> sumTotDepositado;
    std::optional<Money> intereses;
    std::optional<Money> saldo;
    std::optional<Money> capitalAmortizado;
    std::optional<Money> importeDepositado;
    QString numFormulario;
    DeclarationMarks marks;
};

// The row's columns the screen writes (no key, no parent, no marks), and the row read back.
FieldValues depositFields(const ArpDeposit& d);
ArpDeposit depositFromFields(const FieldValues& fields);

// The deposit as the screen's fields hold it: amounts in the display format ("1.234,56") and
// dates as typed; what is not a number or not a date is empty.
ArpDeposit depositFromScreen(const FieldValues& typed);
// The agent's data a deposit needs: name, CUIT and I.S.I.B. number.
bool agentDataComplete(const FieldValues& cp01);

// True when the dates, the amounts, the operation, the month and the agent's data are all there.
bool Check_Datos(const ArpDeposit& d, bool agentDataComplete);

// Why a stored deposit may not be changed (or deleted): the declaration that took it in.
std::optional<QString> depositLockedForSaving(const ArpDeposit& stored);
std::optional<QString> depositLockedForDeleting(const ArpDeposit& stored);

// Reads and writes the deposits; a declared one is never changed nor deleted: the check and the
// write happen in one transaction.
class ArpDepositStore
{
public:
    explicit ArpDepositStore(data::AccesoDatos& db);

    Result<ArpDeposit> load(qint64 id);
    // Stores the deposit under the inscription; d.id holds the key afterwards.
    Status save(ArpDeposit& d, qint64 cp01Id);
    Status remove(qint64 id);
    // The taxpayer's deposits of the operation for the search list, newest month first, each shown
    // as its period and payment date ("03/2005-10/04/2005").
    Result<QList<ListEntry>> list(qint64 cmdId, const QString& operacion);

private:
    data::AccesoDatos& m_db;
};

}
