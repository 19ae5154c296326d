#pragma once

#include "plans/planstore.h"
#include "testdatabase.h"

#include <QSqlQuery>

// Failed comparisons show the texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace ventrix::test {

inline Money money(const char* plain)
{
    return *Money::fromPlain(QString::fromLatin1(plain));
}

inline qint64 insertRow(QSqlDatabase db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString();
    return q.lastInsertId().toLongLong();
}

// A complete plan as the authority grants one.
inline plans::PaymentPlan grantedPlan(const QString& number, QDate approved)
{
    plans::PaymentPlan p;
    p.tipoForm = QStringLiteral("IB09");
    p.tasa = Rate::fromUnits(300);
    p.fechaAprob = approved;
    p.fechaVtoCta2 = approved.addMonths(2);
    p.importeDeuda = money("12500.40");
    p.importeAnticipo = money("500.40");
    p.importeCuota = money("1000.00");
    p.cantCuotas = 12;
    p.numPFP = number;
    return p;
}

// A database with one taxpayer holding two inscriptions, and the plan store over it.
struct PlansFixture
{
    TestDatabase t;
    data::AccesoDatos access { t.db() };
    plans::PlanStore store { access };
    qint64 cmdId = taxpayer(QStringLiteral("Pérez Juan"));
    qint64 firstCp01 = inscription(cmdId, QDate(2003, 2, 3));
    qint64 newestCp01 = inscription(cmdId, QDate(2020, 5, 4));

    qint64 taxpayer(const QString& name)
    {
        return insertRow(t.db(), QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { name });
    }
    qint64 inscription(qint64 cmd, QDate presented)
    {
        return insertRow(t.db(),
            QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_Contribuyente, CP01_CUIT, CP01_IngBrut, "
                           "CP01_FechaPres) VALUES (?, ?, ?, ?, ?)"),
            { cmd, QStringLiteral("Pérez Juan"), QStringLiteral("20-12345678/6"),
                QStringLiteral("012-123456/00"), presented.toString(Qt::ISODate) });
    }
    qint64 storePlan(qint64 cp01Id, const QString& number, QDate approved)
    {
        plans::PaymentPlan p = grantedPlan(number, approved);
        EXPECT_TRUE(store.save(p, cp01Id));
        return p.id;
    }
};

}
