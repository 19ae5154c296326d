#pragma once

#include "data/accesodatos.h"
#include "rates/indicestable.h"
#include "sid3/sid3store.h"
#include "testdatabase.h"

#include <QSqlQuery>

namespace ventrix::test {

inline qint64 insertRow(QSqlDatabase db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        ADD_FAILURE() << q.lastError().text().toStdString();
    return q.lastInsertId().toLongLong();
}

inline int countRows(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(sql, db);
    return q.next() ? q.value(0).toInt() : -1;
}

// A database with one taxpayer and its inscription, and the index table replaced by days the
// test chooses.
struct Sid3Fixture
{
    TestDatabase t;
    data::AccesoDatos access { t.db() };
    sid3::Sid3Store store { access };
    rates::IndicesTable indices { t.db() };
    qint64 cmdId = insertRow(t.db(), QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"),
        { QStringLiteral("Pérez Juan") });
    qint64 cp01Id = addInscription(QStringLiteral("2003-01-10"));

    Sid3Fixture() { QSqlQuery(QStringLiteral("DELETE FROM Indices"), t.db()); }

    qint64 addInscription(const QString& presented)
    {
        return insertRow(t.db(),
            QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_Tramite, CP01_Contribuyente, CP01_CUIT, "
                           "CP01_IngBrut, CP01_FechaPres) VALUES (?, ?, ?, ?, ?, ?)"),
            { cmdId, QStringLiteral("1 - Inscripción"), QStringLiteral("Pérez Juan"),
                QStringLiteral("20-12345678-6"), QStringLiteral("901-123456/78"), presented });
    }

    // Every day from `from` to `to` with the index growing by `step` ten-thousandths a day.
    void addIndices(QDate from, QDate to, qint64 firstIndex = 100000, qint64 step = 1000, qint64 tasa = 300)
    {
        QList<rates::IndexDay> days;
        qint64 index = firstIndex;
        for (QDate d = from; d <= to; d = d.addDays(1), index += step)
            days.append({ d, Index4::fromUnits(index), Rate::fromUnits(tasa) });
        ASSERT_TRUE(indices.append(days)) << indices.lastError().toStdString();
    }

    qint64 addActivity(const QString& table, qint64 cp01, const QString& code, const QString& name,
        const QString& start, const QVariant& cese = {}, int exento = 0)
    {
        return insertRow(t.db(),
            QStringLiteral("INSERT INTO ") + table
                + QStringLiteral(
                    " (CP01_ID, Act_Codigo, Act_Denominacion, Act_Alicuota, Act_NumEmp, "
                    "Act_BaseMinimo, Act_Fecha, Act_FhCese, Act_Exento) VALUES (?, ?, ?, 350, 1, "
                    "7500, ?, ?, ?)"),
            { cp01, code, name, start, cese, exento });
    }
};

}
