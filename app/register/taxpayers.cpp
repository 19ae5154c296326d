#include "app/register/taxpayers.h"

#include "app/register/registerorder.h"
#include "app/register/textfold.h"
#include "common/fieldchecks.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace ventrix::app {
namespace {

QString text(const QSqlQuery& q, int column)
{
    return q.value(column).toString();
}

}

TaxpayerRegister::TaxpayerRegister(QSqlDatabase db)
    : m_db(std::move(db))
{
    registerTextFunctions(m_db);
}

std::optional<QList<qint64>> TaxpayerRegister::search(const QString& searchText) const
{
    const auto order = orderedKeys();
    const QString trimmed = searchText.trimmed();
    if (!order || trimmed.isEmpty())
        return order;
    const auto matches = matchingKeys(searchText);
    if (!matches)
        return std::nullopt;
    QSet<qint64> wanted(matches->cbegin(), matches->cend());
    QList<qint64> keys;
    keys.reserve(matches->size());
    for (qint64 key : *order) {
        if (wanted.contains(key))
            keys.append(key);
    }
    return keys;
}

std::optional<QList<qint64>> TaxpayerRegister::matchingKeys(const QString& searchText) const
{
    // SQLite's LIKE already ignores the case of ASCII letters; only a search with other letters
    // needs both sides folded, which costs a call per row.
    const bool ascii
        = std::all_of(searchText.cbegin(), searchText.cend(), [](QChar c) { return c.unicode() < 0x80; });
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(ascii
            ? QStringLiteral("SELECT CMD_ID FROM CMD WHERE CMD_Contribuyente LIKE ? ESCAPE '\\' "
                             "OR CMD_NumRef LIKE ? ESCAPE '\\'")
            : QStringLiteral("SELECT CMD_ID FROM CMD WHERE vx_upper(CMD_Contribuyente) LIKE ? ESCAPE '\\' "
                             "OR vx_upper(CMD_NumRef) LIKE ? ESCAPE '\\'"));
    const QString pattern = foldIdentification(likePattern(searchText, LikeMatch::Contains, true));
    q.addBindValue(pattern);
    q.addBindValue(pattern);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    QList<qint64> keys;
    while (q.next())
        keys.append(q.value(0).toLongLong());
    return keys;
}

std::optional<QList<qint64>> TaxpayerRegister::orderedKeys() const
{
    // Rows this connection wrote show in total_changes(), commits of any other connection or
    // process in data_version: while both stand still the register is as it was.
    QSqlQuery stamp(m_db);
    stamp.setForwardOnly(true);
    if (!stamp.exec(QStringLiteral("SELECT total_changes(), data_version FROM pragma_data_version"))
        || !stamp.next()) {
        m_lastError = stamp.lastError().text();
        return std::nullopt;
    }
    const QString now = stamp.value(0).toString() + u'/' + stamp.value(1).toString();
    if (now == m_orderStamp)
        return m_order;
    auto keys = readRegisterOrder(m_db, &m_lastError);
    if (!keys)
        return std::nullopt;
    m_order = *keys;
    m_orderStamp = now;
    return keys;
}

std::optional<QList<TaxpayerGridRow>> TaxpayerRegister::gridRows(const QList<qint64>& keys) const
{
    if (keys.isEmpty())
        return QList<TaxpayerGridRow>();
    QString placeholders(keys.size() * 2 - 1, u',');
    for (qsizetype i = 0; i < keys.size(); ++i)
        placeholders[i * 2] = u'?';
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT CMD_ID, CMD_Contribuyente, CMD_NumRef, CMD_Te, CMD_Domicilio FROM CMD "
                             "WHERE CMD_ID IN (")
        + placeholders + u')');
    for (qint64 key : keys)
        q.addBindValue(key);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    QHash<qint64, TaxpayerGridRow> byKey;
    while (q.next())
        byKey.insert(q.value(0).toLongLong(),
            { q.value(0).toLongLong(), text(q, 1), text(q, 2), text(q, 3), text(q, 4) });
    QList<TaxpayerGridRow> rows;
    rows.reserve(keys.size());
    for (qint64 key : keys) {
        const auto it = byKey.constFind(key);
        if (it != byKey.constEnd())
            rows.append(*it);
    }
    return rows;
}

bool TaxpayerRegister::exec(QSqlQuery& q, const QString& sql, const QVariantList& values) const
{
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (q.exec())
        return true;
    m_lastError = q.lastError().text();
    return false;
}

Result<std::optional<Taxpayer>> TaxpayerRegister::read(qint64 id) const
{
    QSqlQuery q(m_db);
    if (!exec(q,
            QStringLiteral(
                "SELECT CMD_ID, CMD_Contribuyente, CMD_Domicilio, CMD_Te, CMD_NumRef, CMD_PassWord, "
                "CMD_NumAgenteRetencion, CMD_NumAgentePercepcion FROM CMD WHERE CMD_ID = ?"),
            { id }))
        return Error { m_lastError };
    if (!q.next())
        return std::optional<Taxpayer>();
    return std::optional<Taxpayer>(Taxpayer { q.value(0).toLongLong(), text(q, 1), text(q, 2), text(q, 3),
        text(q, 4), text(q, 5).trimmed(), text(q, 6), text(q, 7) });
}

std::optional<qint64> TaxpayerRegister::findIdentification(
    const QString& identification, qint64 exceptId) const
{
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("SELECT CMD_ID FROM CMD WHERE vx_upper(trim(CMD_Contribuyente)) = ? AND CMD_ID <> ? "
                       "LIMIT 1"));
    q.addBindValue(foldIdentification(identification.trimmed()));
    q.addBindValue(exceptId);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return std::nullopt;
    }
    return q.next() ? q.value(0).toLongLong() : 0;
}

SaveOutcome TaxpayerRegister::save(Taxpayer& t)
{
    t.contribuyente = t.contribuyente.trimmed();
    t.domicilio = t.domicilio.trimmed();
    t.te = t.te.trimmed();
    t.numRef = t.numRef.trimmed();
    if (t.contribuyente.isEmpty())
        return SaveOutcome::EmptyIdentification;
    const auto other = findIdentification(t.contribuyente, t.id);
    if (!other)
        return SaveOutcome::DatabaseError;
    if (*other != 0)
        return SaveOutcome::DuplicateIdentification;

    QSqlQuery q(m_db);
    if (t.id == 0)
        q.prepare(QStringLiteral(
            "INSERT INTO CMD (CMD_Contribuyente, CMD_Domicilio, CMD_Te, CMD_NumRef, CMD_PassWord) "
            "VALUES (?, ?, ?, ?, ?)"));
    else
        q.prepare(QStringLiteral(
            "UPDATE CMD SET CMD_Contribuyente = ?, CMD_Domicilio = ?, CMD_Te = ?, CMD_NumRef = ?, "
            "CMD_PassWord = ? WHERE CMD_ID = ?"));
    q.addBindValue(t.contribuyente);
    q.addBindValue(t.domicilio);
    q.addBindValue(t.te);
    q.addBindValue(t.numRef);
    q.addBindValue(t.passwordHash);
    if (t.id != 0)
        q.addBindValue(t.id);
    if (!q.exec()) {
        m_lastError = q.lastError().text();
        return SaveOutcome::DatabaseError;
    }
    if (t.id == 0)
        t.id = q.lastInsertId().toLongLong();
    return SaveOutcome::Saved;
}

bool TaxpayerRegister::remove(qint64 id)
{
    QSqlQuery q(m_db);
    return exec(q, QStringLiteral("DELETE FROM CMD WHERE CMD_ID = ?"), { id });
}

Result<QString> TaxpayerRegister::storedPassword(qint64 id) const
{
    QSqlQuery q(m_db);
    if (!exec(q, QStringLiteral("SELECT CMD_PassWord FROM CMD WHERE CMD_ID = ?"), { id }))
        return Error { m_lastError };
    return q.next() ? q.value(0).toString().trimmed() : QString();
}

bool TaxpayerRegister::setPasswordHash(qint64 id, const QString& hash)
{
    QSqlQuery q(m_db);
    return exec(q, QStringLiteral("UPDATE CMD SET CMD_PassWord = ? WHERE CMD_ID = ?"), { hash, id });
}

Result<std::optional<int>> TaxpayerRegister::estadoCp01(qint64 id) const
{
    QSqlQuery q(m_db);
    if (!exec(q,
            QStringLiteral(
                "SELECT IFNULL((SELECT IFNULL(P.CP01_FormCP01, 2) FROM Form_Cp01 P "
                "WHERE P.CMD_ID = C.CMD_ID ORDER BY P.CP01_FechaPres DESC, P.CP01_ID DESC LIMIT 1), 2) "
                "FROM CMD C WHERE C.CMD_ID = ?"),
            { id }))
        return Error { m_lastError };
    return q.next() ? std::optional<int>(q.value(0).toInt()) : std::nullopt;
}

Result<std::optional<NewestCp01>> TaxpayerRegister::newestCp01(qint64 id) const
{
    QSqlQuery q(m_db);
    if (!exec(q,
            QStringLiteral("SELECT CP01_ID, CP01_CUIT, CP01_IngBrut, CP01_FormCP01 FROM Form_Cp01 "
                           "WHERE CMD_ID = ? ORDER BY CP01_FechaPres DESC, CP01_ID DESC LIMIT 1"),
            { id }))
        return Error { m_lastError };
    if (!q.next())
        return std::optional<NewestCp01>();
    NewestCp01 cp01 { q.value(0).toLongLong(), text(q, 1).trimmed(), text(q, 2).trimmed(), std::nullopt };
    if (!q.value(3).isNull())
        cp01.formCp01 = q.value(3).toInt();
    return std::optional<NewestCp01>(cp01);
}

}
