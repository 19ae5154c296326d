#pragma once

#include "agents/creditrecord.h"
#include "common/result.h"
#include "data/accesodatos.h"

namespace ventrix::agents {

// Which stored credits QueryVerImprimir lists.
struct CreditQuery
{
    bool soloNoImpresos = true; // "Ver registros no impresos"
    QString factura; // only invoices containing this text; empty for all
};

// The agent's credit notes: the declared operations they credit, and the credits stored, deleted
// and marked printed. Every write of several rows runs in one transaction.
class CreditStore
{
public:
    explicit CreditStore(data::AccesoDatos& db);

    data::AccesoDatos& access() { return m_db; }

    // The taxpayer's operations of the register that a declaration took in, oldest first, each with
    // the credits already stored against it.
    Result<QList<DeclaredOperation>> declaredOperations(qint64 cmdId, AgentRegister which);
    // The agent's name on its inscription, for the NCARP form.
    Result<QString> nombreAgente(qint64 cp01Id);

    // Stores the pending lines under the inscription, all or none; each stored line gets its key.
    // A failing line, or one whose operation is no longer declared, names its place among the
    // pending ones.
    Status Guardar(qint64 cp01Id, QList<CreditLine>& lines);
    Status Borrar(qint64 creditId);
    // The taxpayer's stored credits, newest first.
    Result<QList<CreditLine>> QueryVerImprimir(qint64 cmdId, const CreditQuery& query);
    // The credits printed on an NCARP form, all together.
    Status marcarImpresos(const QList<qint64>& ids);

private:
    data::AccesoDatos& m_db;
};

}
