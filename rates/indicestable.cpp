#include "rates/indicestable.h"

#include "data/crashpoint.h"
#include "data/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::rates {
namespace {

QString isoDate(QDate day)
{
    return day.toString(Qt::ISODate);
}

IndexDay rowDay(const QSqlQuery& q)
{
    return { QDate::fromString(q.value(0).toString(), Qt::ISODate),
        Index4::fromUnits(q.value(1).toLongLong()), Rate::fromUnits(q.value(2).toLongLong()) };
}

bool run(QSqlQuery& q, const QString& sql, const QVariantList& values)
{
    if (!q.prepare(sql))
        return false;
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec();
}

}

bool IndicesTable::readMany(const QString& sql, const QVariantList& values, QList<IndexDay>* out) const
{
    out->clear();
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!run(q, sql, values)) {
        m_error = q.lastError().text();
        return false;
    }
    while (q.next())
        out->append(rowDay(q));
    return true;
}

bool IndicesTable::readOne(const QString& sql, const QVariantList& values, std::optional<IndexDay>* out) const
{
    QList<IndexDay> days;
    if (!readMany(sql, values, &days))
        return false;
    *out = days.isEmpty() ? std::nullopt : std::optional<IndexDay>(days.front());
    return true;
}

bool IndicesTable::newest(std::optional<IndexDay>* out) const
{
    return readOne(
        QStringLiteral("SELECT Fecha, Indice, Tasa FROM Indices ORDER BY Fecha DESC LIMIT 1"), {}, out);
}

bool IndicesTable::oldest(std::optional<IndexDay>* out) const
{
    return readOne(QStringLiteral("SELECT Fecha, Indice, Tasa FROM Indices ORDER BY Fecha LIMIT 1"), {}, out);
}

bool IndicesTable::day(QDate fecha, std::optional<IndexDay>* out) const
{
    return readOne(
        QStringLiteral("SELECT Fecha, Indice, Tasa FROM Indices WHERE Fecha = ?"), { isoDate(fecha) }, out);
}

bool IndicesTable::newestFirst(QDate before, int limit, QList<IndexDay>* out) const
{
    if (!before.isValid()) {
        return readMany(QStringLiteral("SELECT Fecha, Indice, Tasa FROM Indices ORDER BY Fecha DESC LIMIT ?"),
            { limit }, out);
    }
    return readMany(
        QStringLiteral("SELECT Fecha, Indice, Tasa FROM Indices WHERE Fecha < ? ORDER BY Fecha DESC LIMIT ?"),
        { isoDate(before), limit }, out);
}

bool IndicesTable::since(QDate from, QList<IndexDay>* out) const
{
    return readMany(QStringLiteral("SELECT Fecha, Indice, Tasa FROM Indices WHERE Fecha >= ? ORDER BY Fecha"),
        { isoDate(from) }, out);
}

int IndicesTable::count() const
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM Indices")) || !q.next()) {
        m_error = q.lastError().text();
        return -1;
    }
    return q.value(0).toInt();
}

bool IndicesTable::insertAll(const QList<IndexDay>& days)
{
    QSqlQuery q(m_db);
    if (!q.prepare(QStringLiteral("INSERT INTO Indices (Fecha, Indice, Tasa) VALUES (?, ?, ?)"))) {
        m_error = q.lastError().text();
        return false;
    }
    for (const IndexDay& d : days) {
        q.addBindValue(isoDate(d.fecha));
        q.addBindValue(d.indice.units());
        q.addBindValue(d.tasa.units());
        if (!q.exec()) {
            m_error = q.lastError().text();
            return false;
        }
    }
    return true;
}

bool IndicesTable::append(const QList<IndexDay>& days)
{
    return replaceFrom(QDate(), days);
}

bool IndicesTable::replaceFrom(QDate from, const QList<IndexDay>& days)
{
    data::Transaction tx(m_db);
    if (!tx.isActive()) {
        m_error = tx.lastError();
        return false;
    }
    if (from.isValid()) {
        QSqlQuery q(m_db);
        if (!run(q, QStringLiteral("DELETE FROM Indices WHERE Fecha >= ?"), { isoDate(from) })) {
            m_error = q.lastError().text();
            return false;
        }
        data::crashpoint::reach("indices:removed");
    }
    if (!insertAll(days))
        return false;
    data::crashpoint::reach("indices:inserted");
    if (!tx.commit()) {
        m_error = tx.lastError();
        return false;
    }
    return true;
}

bool IndicesTable::removeFrom(QDate from)
{
    QSqlQuery q(m_db);
    if (!run(q, QStringLiteral("DELETE FROM Indices WHERE Fecha >= ?"), { isoDate(from) })) {
        m_error = q.lastError().text();
        return false;
    }
    return true;
}

}
