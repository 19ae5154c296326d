#pragma once

#include "agents/operationstore.h"
#include "common/randomsource.h"
#include "testdatabase.h"

#include <QSqlQuery>

namespace ventrix::test {

// The number source answering the numbers queued in next, in turn.
class Scripted : public RandomSource
{
public:
    QList<quint64> next;

protected:
    quint64 draw(quint64, quint64) override { return next.takeFirst(); }
};

inline QVariant execInsert(QSqlDatabase db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        ADD_FAILURE() << q.lastError().text().toStdString();
    return q.lastInsertId();
}

inline int countOf(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(sql, db);
    return q.next() ? q.value(0).toInt() : -1;
}

// A database with one agent: its taxpayer row with both numbers and a current inscription.
struct AgentsFixture
{
    TestDatabase t;
    data::AccesoDatos access { t.db() };
    qint64 cmdId = execInsert(t.db(),
        QStringLiteral("INSERT INTO CMD (CMD_Contribuyente, CMD_NumAgenteRetencion, CMD_NumAgentePercepcion) "
                       "VALUES (?, ?, ?)"),
        { QStringLiteral("Agente SA"), QStringLiteral("1234/1"), QStringLiteral("4321/5") })
                       .toLongLong();
    qint64 cp01Id = addCp01(cmdId, QStringLiteral("Agente SA"));

    qint64 addCp01(qint64 cmd, const QString& name)
    {
        return execInsert(t.db(),
            QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_Contribuyente, CP01_CUIT, CP01_IngBrut, "
                           "CP01_DomFisc_Localidad) VALUES (?, ?, ?, ?, ?)"),
            { cmd, name, QStringLiteral("20-12345678/6"), QStringLiteral("901-123456/03"),
                QStringLiteral("Valdera") })
            .toLongLong();
    }

    void addDeposit(const QString& operacion, QDate desde, QDate hasta)
    {
        execInsert(t.db(),
            QStringLiteral(
                "INSERT INTO Form_ARP (CP01_ID, Arp_Operacion, Arp_Desde, Arp_Hasta) VALUES (?, ?, ?, ?)"),
            { cp01Id, operacion, desde.toString(Qt::ISODate), hasta.toString(Qt::ISODate) });
    }

    void setColumn(const agents::RegisterKind& kind, qint64 id, const QString& item, const QVariant& value)
    {
        QSqlQuery q(t.db());
        q.prepare(QStringLiteral("UPDATE ") + kind.table + QStringLiteral(" SET ") + kind.column(item)
            + QStringLiteral(" = ? WHERE ") + kind.keyColumn + QStringLiteral(" = ?"));
        q.addBindValue(value);
        q.addBindValue(id);
        if (!q.exec())
            ADD_FAILURE() << q.lastError().text().toStdString();
    }
};

// A complete operation for a counterpart other than the agent.
inline agents::AgentOperation sampleOperation(const QString& name = QStringLiteral("Proveedor SRL"))
{
    agents::AgentOperation op;
    op.numAgente = QStringLiteral("1234/1");
    op.counterpart = { name, QStringLiteral("20-11111111/2"), QStringLiteral("001-123456/00"),
        QStringLiteral("San Martín"), QStringLiteral("123"), {}, {}, {}, {}, {}, QStringLiteral("5000"),
        QStringLiteral("Capital"), QStringLiteral("Valdera"), QStringLiteral("0351"),
        QStringLiteral("4000000") };
    op.documento = QStringLiteral("0001-00001234");
    op.fecha = QDate(2005, 3, 10);
    op.base = Money::fromUnits(100000);
    op.alicuota = Fixed<4>::fromUnits(25000);
    op.importe = Money::fromUnits(2500);
    op.lugar = QStringLiteral("Capital");
    op.lugarFecha = QDate(2005, 3, 11);
    return op;
}

}
