#pragma once

#include "testdatabase.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace ventrix::test {

// Rows the register tests need, written straight into a test database.
inline qint64 addTaxpayer(QSqlDatabase db, const QString& name, const QString& numRef = {},
    const QString& retencion = {}, const QString& percepcion = {})
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente, CMD_NumRef, CMD_Te, CMD_Domicilio, "
                             "CMD_NumAgenteRetencion, CMD_NumAgentePercepcion) VALUES (?, ?, ?, ?, ?, ?)"));
    q.addBindValue(name);
    q.addBindValue(numRef);
    q.addBindValue(QStringLiteral("4455-1234"));
    q.addBindValue(QStringLiteral("San Martín 123"));
    q.addBindValue(retencion);
    q.addBindValue(percepcion);
    q.exec();
    return q.lastInsertId().toLongLong();
}

inline qint64 addCp01(QSqlDatabase db, qint64 cmdId, QDate presented, QVariant formCp01,
    const QString& cuit = QStringLiteral("20-12345678/6"),
    const QString& ingBrut = QStringLiteral("901-123456/07"))
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO Form_Cp01 (CMD_ID, CP01_Tramite, CP01_CUIT, CP01_IngBrut, CP01_FechaPres, "
        "CP01_FormCP01) VALUES (?, '1 - Inscripción', ?, ?, ?, ?)"));
    q.addBindValue(cmdId);
    q.addBindValue(cuit);
    q.addBindValue(ingBrut);
    q.addBindValue(presented.isValid() ? QVariant(presented.toString(Qt::ISODate)) : QVariant());
    q.addBindValue(formCp01);
    q.exec();
    return q.lastInsertId().toLongLong();
}

inline void addRate(QSqlDatabase db, QDate firstOfMonth)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT OR REPLACE INTO Indices (Fecha, Indice, Tasa) VALUES (?, 1000000, 300)"));
    q.addBindValue(firstOfMonth.toString(Qt::ISODate));
    q.exec();
}

inline int count(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(sql, db);
    return q.next() ? q.value(0).toInt() : -1;
}

}
