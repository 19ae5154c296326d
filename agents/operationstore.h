#pragma once

#include "agents/agentoperation.h"
#include "agents/operationchecks.h"
#include "common/result.h"
#include "data/accesodatos.h"

#include <QList>
#include <QStringList>

namespace ventrix::agents {

// The agent's own data the register's first frame shows: its current inscription's fields
// (prefix "CP01") and its agent number of the register's kind.
struct AgentData
{
    FieldValues cp01;
    QString numAgente;

    QString text(const QString& column) const { return cp01.value(column).toString(); }
    AgentIdentity identity() const;
};

// One row of a month's list.
struct PeriodRow
{
    qint64 id = 0;
    QDate fecha;
    QString contribuyente;
    QString cuit;
    Money base;
    Fixed<4> alicuota;
    Money importe;
    bool declared = false;
};

// The rows of a taxpayer's register dated within a period, oldest first, and their sums.
struct PeriodList
{
    QList<PeriodRow> rows;
    Money totalBase;
    Money totalImporte;
};

// The provinces the address fields offer.
Result<QStringList> readProvincias(data::AccesoDatos& db);

// The CP01 columns of the agent's data frame.
const QStringList& agentDataColumns();

// Reads and writes one of the agent's registers (withholdings or perceptions). A declared row is
// never changed nor deleted: the check and the write happen in one transaction.
class OperationStore
{
public:
    OperationStore(data::AccesoDatos& db, const RegisterKind& kind);

    const RegisterKind& kind() const { return m_kind; }
    data::AccesoDatos& access() { return m_db; }

    Result<AgentData> agentData(qint64 cmdId, qint64 cp01Id);
    Result<AgentOperation> load(qint64 id);
    Result<DeclarationMarks> marks(qint64 id);
    // Stores the row under the inscription; op.id holds the key afterwards.
    Status save(AgentOperation& op, qint64 cp01Id);
    Status remove(qint64 id);

    // The taxpayer's rows whose counterpart's name begins with the text (blanks match anything),
    // shown as "date,name", newest first within a name.
    Result<QList<ListEntry>> search(qint64 cmdId, const QString& text);
    // Distinct counterparts of every taxpayer whose name begins with the text, or whose CUIT or
    // I.S.I.B. number contains it.
    Result<QList<Counterpart>> counterparts(const QString& text);
    // The most recent row of the counterpart, or with that CUIT / I.S.I.B. number, as a new
    // operation for it: the counterpart's data copied, the operation's fields empty.
    Result<std::optional<AgentOperation>> latestOf(const Counterpart& counterpart);
    Result<std::optional<AgentOperation>> latestByIdentifier(IdentifierKind which, const QString& identifier);
    // How many deposits of this register's operation the taxpayer has for the month of the date.
    Result<int> depositsOfPeriod(qint64 cmdId, QDate date);
    Result<PeriodList> period(qint64 cmdId, QDate desde, QDate hasta);
    Result<QStringList> provincias();

private:
    Result<std::optional<AgentOperation>> firstAsNew(const QString& sql, const QVariantList& params);

    data::AccesoDatos& m_db;
    const RegisterKind& m_kind;
};

}
