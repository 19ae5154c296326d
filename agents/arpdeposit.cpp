#include "agents/arpdeposit.h"

#include "agents/agentsmessages.h"
#include "data/transaction.h"

namespace ventrix::agents {
namespace {

QVariant amount(const std::optional<Money>& m)
{
    return m ? QVariant::fromValue(*m) : QVariant();
}

std::optional<Money> amountOf(const QVariant& v)
{
    if (!v.isValid() || v.isNull() || !v.canConvert<Money>())
        return std::nullopt;
    return v.value<Money>();
}

bool isAmountColumn(const QString& column)
{
    static const QStringList amounts { QStringLiteral("Arp_Importe"), QStringLiteral("Arp_SumTotDepositado"),
        QStringLiteral("Arp_Intereses"), QStringLiteral("Arp_Saldo"),
        QStringLiteral("Arp_Capital_Amortizado"), QStringLiteral("Arp_Importe_Depositado") };
    return amounts.contains(column);
}

QString dayText(QDate d)
{
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

}

FieldValues depositFields(const ArpDeposit& d)
{
    return { { QStringLiteral("Arp_Operacion"), d.operacion },
        { QStringLiteral("Arp_Desde"), d.period.desde }, { QStringLiteral("Arp_Hasta"), d.period.hasta },
        { QStringLiteral("Arp_FechaVto"), d.fechaVto }, { QStringLiteral("Arp_FechaPago"), d.fechaPago },
        { QStringLiteral("Arp_Importe"), amount(d.importe) },
        { QStringLiteral("Arp_SumTotDepositado"), amount(d.sumTotDepositado) },
        { QStringLiteral("Arp_Intereses"), amount(d.intereses) },
        { QStringLiteral("Arp_Saldo"), amount(d.saldo) },
        { QStringLiteral("Arp_Capital_Amortizado"), amount(d.capitalAmortizado) },
        { QStringLiteral("Arp_Importe_Depositado"), amount(d.importeDepositado) },
        { QStringLiteral("Arp_NumFormulario"), d.numFormulario } };
}

ArpDeposit depositFromFields(const FieldValues& f)
{
    ArpDeposit d;
    d.id = f.value(QStringLiteral("ARP_ID")).toLongLong();
    d.operacion = f.value(QStringLiteral("Arp_Operacion")).toString();
    d.period
        = { f.value(QStringLiteral("Arp_Desde")).toDate(), f.value(QStringLiteral("Arp_Hasta")).toDate() };
    d.fechaVto = f.value(QStringLiteral("Arp_FechaVto")).toDate();
    d.fechaPago = f.value(QStringLiteral("Arp_FechaPago")).toDate();
    d.importe = amountOf(f.value(QStringLiteral("Arp_Importe")));
    d.sumTotDepositado = amountOf(f.value(QStringLiteral("Arp_SumTotDepositado")));
    d.intereses = amountOf(f.value(QStringLiteral("Arp_Intereses")));
    d.saldo = amountOf(f.value(QStringLiteral("Arp_Saldo")));
    d.capitalAmortizado = amountOf(f.value(QStringLiteral("Arp_Capital_Amortizado")));
    d.importeDepositado = amountOf(f.value(QStringLiteral("Arp_Importe_Depositado")));
    d.numFormulario = f.value(QStringLiteral("Arp_NumFormulario")).toString();
    d.marks.fechaDDJJ = f.value(QStringLiteral("Arp_FechaDDJJ")).toDate();
    d.marks.periodoOutDate = f.value(QStringLiteral("Arp_Periodo_DDJJOutDate")).toString().trimmed();
    d.marks.numForm = f.value(QStringLiteral("Arp_DDJJNumForm")).toString();
    d.marks.fechaPres = f.value(QStringLiteral("Arp_DDJJFechaPres")).toDate();
    return d;
}

ArpDeposit depositFromScreen(const FieldValues& typed)
{
    FieldValues values = typed;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const QString text = it.value().toString().trimmed();
        if (it.key().startsWith(QStringLiteral("Arp_Fecha")) || it.key() == QStringLiteral("Arp_Desde")
            || it.key() == QStringLiteral("Arp_Hasta")) {
            const auto day = fechaIngresada(text);
            it.value() = day ? QVariant(*day) : QVariant();
        } else if (isAmountColumn(it.key())) {
            const auto amount = Money::fromDisplay(text);
            it.value() = amount ? QVariant::fromValue(*amount) : QVariant();
        }
    }
    return depositFromFields(values);
}

bool agentDataComplete(const FieldValues& cp01)
{
    for (const char* column : { "CP01_Contribuyente", "CP01_CUIT", "CP01_IngBrut" })
        if (cp01.value(QLatin1String(column)).toString().trimmed().isEmpty())
            return false;
    return true;
}

bool Check_Datos(const ArpDeposit& d, bool agentDataComplete)
{
    return d.fechaPago.isValid() && d.fechaVto.isValid() && d.importe && d.sumTotDepositado && d.intereses
        && d.saldo && !d.operacion.isEmpty() && d.period.desde.isValid() && d.period.hasta.isValid()
        && agentDataComplete;
}

std::optional<QString> depositLockedForSaving(const ArpDeposit& s)
{
    if (s.marks.fechaDDJJ.isValid())
        return msg::pagoGuardarPresentado(s.period.text(), dayText(s.marks.fechaDDJJ));
    if (!s.marks.periodoOutDate.isEmpty())
        return msg::pagoGuardarOtroPeriodo(s.marks.periodoOutDate, s.period.text());
    return std::nullopt;
}

std::optional<QString> depositLockedForDeleting(const ArpDeposit& s)
{
    if (s.marks.fechaDDJJ.isValid())
        return msg::pagoBorrarPresentado(s.period.text(), dayText(s.marks.fechaDDJJ));
    if (!s.marks.periodoOutDate.isEmpty())
        return msg::pagoBorrarOtroPeriodo(s.marks.periodoOutDate, s.period.text());
    return std::nullopt;
}

ArpDepositStore::ArpDepositStore(data::AccesoDatos& db)
    : m_db(db)
{
}

Result<ArpDeposit> ArpDepositStore::load(qint64 id)
{
    FieldValues row;
    if (m_db.loadFields(
            QStringLiteral("SELECT * FROM Form_ARP WHERE ARP_ID = ?"), { id }, QStringLiteral("ARP"), row)
        != data::LoadStatus::Loaded)
        return Error { msg::errorAccesoBaseDatos() };
    return depositFromFields(row);
}

Status ArpDepositStore::save(ArpDeposit& d, qint64 cp01Id)
{
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorGuardarArp() };
    if (d.id > 0) {
        const auto stored = load(d.id);
        if (!stored)
            return Error { msg::errorGuardarArp() };
        if (auto locked = depositLockedForSaving(*stored))
            return Error { *locked };
    }
    const data::SaveResult saved = m_db.saveFields(
        { QStringLiteral("Form_ARP"), QStringLiteral("ARP_ID"), d.id > 0 ? QVariant(d.id) : QVariant(),
            QStringLiteral("CP01_ID"), cp01Id, QStringLiteral("ARP"), depositFields(d) });
    if (!saved.ok || !tx.commit())
        return Error { msg::errorGuardarArp() };
    d.id = saved.key;
    return {};
}

Status ArpDepositStore::remove(qint64 id)
{
    data::Transaction tx(m_db.connection());
    const auto stored = load(id);
    if (!tx.isActive() || !stored)
        return Error { msg::canceladaPorSistema(m_db.lastError()) };
    if (auto locked = depositLockedForDeleting(*stored))
        return Error { *locked };
    const QString answer = m_db.execute(QStringLiteral("DELETE FROM Form_ARP WHERE ARP_ID = ?"), { id });
    if (answer != data::AccesoDatos::Ok)
        return Error { msg::canceladaPorSistema(answer) };
    if (!tx.commit())
        return Error { msg::canceladaPorSistema(tx.lastError()) };
    return {};
}

Result<QList<ListEntry>> ArpDepositStore::list(qint64 cmdId, const QString& operacion)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT Arp_Desde, Arp_FechaPago, ARP_ID FROM Form_ARP WHERE CP01_ID IN "
                           "(SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = ?) AND Arp_Operacion = ? "
                           "ORDER BY Arp_Desde DESC, Arp_FechaPago DESC, ARP_ID DESC"),
            { cmdId, operacion }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    QList<ListEntry> out;
    for (; !rs.eof(); rs.moveNext()) {
        const QString periodo = periodOf(rs.value(0).toDate()).text();
        out.append({ periodo + u'-' + dayText(rs.value(1).toDate()), rs.value(2) });
    }
    return out;
}

}
