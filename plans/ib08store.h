#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "plans/ib08record.h"

#include <optional>

namespace ventrix::plans {

// Reads and writes the general payments of a taxpayer (table Form_IB08, one row per payment under
// one of the taxpayer's inscriptions) and the inscription data the form shows.
class Ib08Store
{
public:
    explicit Ib08Store(data::AccesoDatos& db);

    // The taxpayer's newest inscription (latest presentation date, then latest key); nullopt when
    // it has none.
    Result<std::optional<Ib08Taxpayer>> newestInscription(qint64 cmdId);
    // The payments of every inscription of the taxpayer, latest payment date first. Other
    // taxpayers' payments never show.
    Result<QList<Ib08Entry>> payments(qint64 cmdId);
    Result<Ib08Payment> load(qint64 ib08Id);

    // Stores the payment after its check, the total recomputed from its parts, in one
    // transaction. A new payment goes under the inscription given, a stored one stays under its
    // own. On success the payment holds its key and total; on failure nothing changed.
    Status save(Ib08Payment& payment, qint64 cp01Id);
    Status remove(qint64 ib08Id);

private:
    data::AccesoDatos& m_db;
};

}
