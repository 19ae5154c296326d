#include "plans/ib08store.h"

#include "plans/ib08checks.h"
#include "plans/ib08messages.h"
#include "plans/plansmessages.h"

namespace ventrix::plans {

Ib08Store::Ib08Store(data::AccesoDatos& db)
    : m_db(db)
{
}

Result<std::optional<Ib08Taxpayer>> Ib08Store::newestInscription(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT CP01_ID, CP01_CUIT, CP01_IngBrut, CP01_Contribuyente "
                                          "FROM Form_Cp01 WHERE CMD_ID = ? "
                                          "ORDER BY CP01_FechaPres DESC, CP01_ID DESC"),
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    if (rs.eof())
        return std::optional<Ib08Taxpayer>();
    Ib08Taxpayer t;
    t.cp01Id = rs.value(0).toLongLong();
    t.cuit = rs.value(1).toString().trimmed();
    t.ingBrut = rs.value(2).toString().trimmed();
    t.contribuyente = rs.value(3).toString().trimmed();
    return std::optional<Ib08Taxpayer>(t);
}

Result<QList<Ib08Entry>> Ib08Store::payments(qint64 cmdId)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT I.IB08_FechaPago, I.IB08_ID FROM Form_IB08 I "
                                          "JOIN Form_Cp01 P ON P.CP01_ID = I.CP01_ID WHERE P.CMD_ID = ? "
                                          "ORDER BY I.IB08_FechaPago DESC, I.IB08_ID DESC"),
            { cmdId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<Ib08Entry> out;
    for (; !rs.eof(); rs.moveNext())
        out.append({ rs.value(1).toLongLong(), rs.value(0).toDate() });
    return out;
}

Result<Ib08Payment> Ib08Store::load(qint64 ib08Id)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT * FROM Form_IB08 WHERE IB08_ID = ?"), { ib08Id }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAcceso() };
    return ib08Payment(rs.row());
}

Status Ib08Store::save(Ib08Payment& payment, qint64 cp01Id)
{
    if (auto refused = ib08SaveCheck(payment))
        return Error { *refused };
    Ib08Payment stored = payment;
    stored.posFiscal = *posicionFiscal(payment.posFiscal);
    stored.total = ib08Total(payment);
    const qint64 parent = payment.id && payment.cp01Id ? payment.cp01Id : cp01Id;
    const data::SaveResult saved = m_db.saveFields({ ib08col::Table, ib08col::Id, payment.id, ib08col::Cp01Id,
        parent, ib08col::Prefix, ib08Fields(stored) });
    if (!saved.ok)
        return Error { msg::errorAcceso() };
    stored.id = saved.key;
    stored.cp01Id = parent;
    payment = stored;
    return {};
}

Status Ib08Store::remove(qint64 ib08Id)
{
    if (m_db.execute(QStringLiteral("DELETE FROM Form_IB08 WHERE IB08_ID = ?"), { ib08Id })
        != data::AccesoDatos::Ok)
        return Error { msg::ib08CanceladaPorSistema() };
    return {};
}

}
