#include "data/referencedata.h"

#include "data/transaction.h"
#include "rates/indexstep.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ventrix {

bool loadReferenceData(QSqlDatabase db, QString* error)
{
    Transaction tx(db);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Indices (Fecha, Indice, Tasa) VALUES (?, ?, ?)"));
    Index4 index;
    for (QDate month(2000, 1, 1); month < QDate(2026, 12, 1); month = month.addMonths(1)) {
        const Rate rate = Rate::fromUnits(300);
        for (const IndexDay& day : monthIndices(month, rate, index)) {
            q.addBindValue(day.fecha.toString(Qt::ISODate));
            q.addBindValue(day.indice.units());
            q.addBindValue(day.tasa.units());
            if (!q.exec()) {
                *error = q.lastError().text();
                return false;
            }
            index = day.indice;
        }
    }
    if (!tx.commit()) {
        *error = tx.lastError();
        return false;
    }
    return true;
}

}
