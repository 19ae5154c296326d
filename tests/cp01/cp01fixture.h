#pragma once

#include "cp01/cp01record.h"
#include "cp01/cp01store.h"
#include "testdatabase.h"

#include <QSqlQuery>

namespace ventrix::test {

inline qint64 addTaxpayerRow(QSqlDatabase db, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"));
    q.addBindValue(name);
    q.exec();
    return q.lastInsertId().toLongLong();
}

inline int countOf(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(sql, db);
    return q.next() ? q.value(0).toInt() : -1;
}

inline cp01::ActivityRow activity(const QString& code, QDate start, QDate cese = {})
{
    cp01::ActivityRow r;
    r.codigo = code;
    r.denominacion = QStringLiteral("Actividad ") + code;
    r.alicuota = Rate::fromUnits(350);
    r.numEmp = 2;
    r.baseMinimo = Money::fromUnits(8100);
    r.fecha = start;
    r.fhCese = cese;
    return r;
}

// A database with one taxpayer and the CP01 store over it.
struct Cp01Fixture
{
    TestDatabase t;
    data::AccesoDatos access { t.db() };
    cp01::Cp01Store store { access };
    qint64 cmdId = addTaxpayerRow(t.db(), QStringLiteral("Pérez Juan"));

    cp01::Cp01Record newRecord(const QString& tramite, QDate presented) const
    {
        cp01::Cp01Record r;
        r.set(cp01::col::Tramite, tramite);
        r.set(cp01::col::Personas, cp01::Fisicas);
        r.set(cp01::col::Contribuyente, QStringLiteral("Pérez Juan"));
        if (presented.isValid())
            r.set(cp01::col::FechaPres, presented);
        return r;
    }
};

}
