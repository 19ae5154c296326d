#include "agents/declarationstore.h"
#include "data/autobackup.h"

#include "agents/agentsmessages.h"
#include "common/randomsource.h"
#include "data/crashpoint.h"
#include "data/transaction.h"

namespace ventrix::agents {
namespace {

QVariant isoDate(QDate d)
{
    return d.toString(Qt::ISODate);
}

const QString OwnedBy = QStringLiteral("CP01_ID IN (SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = ?)");

// The rows of one table a declaration looks at: the taxpayer's (and, for deposits, the
// operation's), those of the month and those before it.
struct Scope
{
    QString table;
    QString prefix;
    QString owner;
    QVariantList ownerParams;
    QString inPeriod;
    QVariantList periodParams;
    QString earlier;
    QVariantList earlierParams;

    QString col(const char* item) const { return prefix + u'_' + QLatin1String(item); }
    QString outDateEmpty() const
    {
        return QStringLiteral("COALESCE(") + col("Periodo_DDJJOutDate") + QStringLiteral(", '') = ''");
    }
};

Scope depositsScope(const RegisterKind& kind, qint64 cmdId, const ArpPeriod& p)
{
    return { QStringLiteral("Form_ARP"), QStringLiteral("Arp"),
        OwnedBy + QStringLiteral(" AND Arp_Operacion = ?"), { cmdId, kind.arpOperacion },
        QStringLiteral("Arp_Desde >= ? AND Arp_Hasta <= ?"), { isoDate(p.desde), isoDate(p.hasta) },
        QStringLiteral("Arp_Desde < ?"), { isoDate(p.desde) } };
}

Scope registerScope(const RegisterKind& kind, qint64 cmdId, const ArpPeriod& p)
{
    return { kind.table, kind.prefix, OwnedBy, { cmdId },
        kind.dateColumn + QStringLiteral(" >= ? AND ") + kind.dateColumn + QStringLiteral(" <= ?"),
        { isoDate(p.desde), isoDate(p.hasta) }, kind.dateColumn + QStringLiteral(" < ?"),
        { isoDate(p.desde) } };
}

// The rows the month's declaration holds: declared within the month, or taken in late from before.
QString declaredFor(const Scope& s)
{
    return QStringLiteral("((") + s.inPeriod + QStringLiteral(" AND ") + s.col("FechaDDJJ")
        + QStringLiteral(" IS NOT NULL AND ") + s.outDateEmpty() + QStringLiteral(") OR (") + s.earlier
        + QStringLiteral(" AND ") + s.col("FechaDDJJ") + QStringLiteral(" IS NULL AND ")
        + s.col("Periodo_DDJJOutDate") + QStringLiteral(" = ?))");
}

QVariantList declaredForParams(const Scope& s, const QString& periodo)
{
    return s.ownerParams + s.periodParams + s.earlierParams + QVariantList { periodo };
}

Result<bool> alreadyMarked(data::AccesoDatos& db, const Scope& s, const QString& periodo)
{
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + s.table + QStringLiteral(" WHERE ")
        + s.owner + QStringLiteral(" AND ") + declaredFor(s);
    if (db.openRecordset(sql, declaredForParams(s, periodo), rs) != data::AccesoDatos::Opened || rs.eof())
        return Error { msg::errorAccesoBaseDatos() };
    return rs.value(0).toLongLong() > 0;
}

// Writes the marks unless the month is marked already; false on a database error.
bool mark(data::AccesoDatos& db, const Scope& s, const QString& periodo, const QString& numero, QDate today)
{
    const auto marked = alreadyMarked(db, s, periodo);
    if (!marked)
        return false;
    if (*marked)
        return true;
    const QString month = QStringLiteral("UPDATE ") + s.table + QStringLiteral(" SET ") + s.col("FechaDDJJ")
        + QStringLiteral(" = ?, ") + s.col("DDJJNumForm") + QStringLiteral(" = ?, ") + s.col("DDJJFechaPres")
        + QStringLiteral(" = ? WHERE ") + s.owner + QStringLiteral(" AND ") + s.inPeriod
        + QStringLiteral(" AND ") + s.outDateEmpty();
    const QVariantList marks { isoDate(today), numero, isoDate(today) };
    if (db.execute(month, marks + s.ownerParams + s.periodParams) != data::AccesoDatos::Ok)
        return false;
    data::crashpoint::reach("ddjj:month-marked");
    const QString late = QStringLiteral("UPDATE ") + s.table + QStringLiteral(" SET ")
        + s.col("Periodo_DDJJOutDate") + QStringLiteral(" = ?, ") + s.col("DDJJNumForm")
        + QStringLiteral(" = ?, ") + s.col("DDJJFechaPres") + QStringLiteral(" = ? WHERE ") + s.owner
        + QStringLiteral(" AND ") + s.earlier + QStringLiteral(" AND ") + s.col("FechaDDJJ")
        + QStringLiteral(" IS NULL AND ") + s.outDateEmpty();
    return db.execute(
               late, QVariantList { periodo, numero, isoDate(today) } + s.ownerParams + s.earlierParams)
        == data::AccesoDatos::Ok;
}

QString clearMarks(const QString& table, const QString& prefix)
{
    return QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + prefix
        + QStringLiteral("_FechaDDJJ = NULL, ") + prefix + QStringLiteral("_Periodo_DDJJOutDate = NULL, ")
        + prefix + QStringLiteral("_DDJJNumForm = NULL, ") + prefix
        + QStringLiteral("_DDJJFechaPres = NULL WHERE ") + prefix + QStringLiteral("_DDJJNumForm = ? AND ")
        + OwnedBy;
}

}

DeclarationStore::DeclarationStore(data::AccesoDatos& db, const RegisterKind& kind)
    : m_db(db)
    , m_kind(kind)
{
}

Result<ArpTotals> DeclarationStore::HabilitaImporte(qint64 cmdId, const ArpPeriod& period)
{
    const Scope reg = registerScope(m_kind, cmdId, period);
    const Scope dep = depositsScope(m_kind, cmdId, period);
    data::Recordset total;
    data::Recordset deposited;
    // Sums of amount columns come back in cents; a month without rows sums to NULL, that is 0.
    if (m_db.openRecordset(QStringLiteral("SELECT SUM(") + m_kind.amountColumn + QStringLiteral(") FROM ")
                + reg.table + QStringLiteral(" WHERE ") + reg.owner + QStringLiteral(" AND ") + reg.inPeriod,
            reg.ownerParams + reg.periodParams, total)
            != data::AccesoDatos::Opened
        || m_db.openRecordset(QStringLiteral("SELECT SUM(Arp_Importe_Depositado) FROM Form_ARP WHERE ")
                   + dep.owner + QStringLiteral(" AND ") + dep.inPeriod,
               dep.ownerParams + dep.periodParams, deposited)
            != data::AccesoDatos::Opened
        || total.eof() || deposited.eof())
        return Error { msg::errorAccesoBaseDatos() };
    return ArpTotals { Money::fromUnits(total.value(0).toLongLong()),
        Money::fromUnits(deposited.value(0).toLongLong()) };
}

Result<std::optional<Index4>> DeclarationStore::indice(QDate fecha)
{
    data::Recordset rs;
    if (m_db.openRecordset(
            QStringLiteral("SELECT Indice FROM Indices WHERE Fecha = ?"), { isoDate(fecha) }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    if (rs.eof())
        return std::optional<Index4>();
    return std::optional(rs.value(0).value<Index4>());
}

Result<ArpBalance> DeclarationStore::CalculaInteres(const ArpTotals& totals, QDate fechaVto, QDate fechaPago)
{
    const auto vto = indice(fechaVto);
    if (!vto)
        return Error { vto.error() };
    if (!*vto)
        return Error { msg::sinIndiceVto() };
    const auto pago = indice(fechaPago);
    if (!pago)
        return Error { pago.error() };
    if (!*pago)
        return Error { msg::sinIndicePago() };
    return agents::CalculaInteres(totals.total, totals.depositado, **vto, **pago);
}

Result<bool> DeclarationStore::hasDeposit(qint64 cmdId, const ArpPeriod& period)
{
    const Scope dep = depositsScope(m_kind, cmdId, period);
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT COUNT(*) FROM Form_ARP WHERE ") + dep.owner
                + QStringLiteral(" AND ") + dep.inPeriod,
            dep.ownerParams + dep.periodParams, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAccesoBaseDatos() };
    return rs.value(0).toLongLong() > 0;
}

Result<bool> DeclarationStore::numberInUse(const QString& numero)
{
    // Deposits too: a month whose register is empty still carries its number on its deposits.
    for (const auto& [table, column] : { std::pair { "Form_AgentPercepcion", "AgPer_DDJJNumForm" },
             std::pair { "Form_AgentRetencion", "AgRet_DDJJNumForm" },
             std::pair { "Form_ARP", "Arp_DDJJNumForm" } }) {
        data::Recordset rs;
        const QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)
            + QStringLiteral(" WHERE ") + QLatin1String(column) + QStringLiteral(" = ?");
        if (m_db.openRecordset(sql, { numero }, rs) != data::AccesoDatos::Opened || rs.eof())
            return Error { msg::errorAccesoBaseDatos() };
        if (rs.value(0).toLongLong() > 0)
            return true;
    }
    return false;
}

Result<QString> DeclarationStore::BuscarDDJJ_Numero(qint64 cmdId, const ArpPeriod& period)
{
    const Scope dep = depositsScope(m_kind, cmdId, period);
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT Arp_DDJJNumForm FROM Form_ARP WHERE ") + dep.owner
        + QStringLiteral(" AND ") + declaredFor(dep)
        + QStringLiteral(" AND COALESCE(Arp_DDJJNumForm, '') <> '' ORDER BY ARP_ID LIMIT 1");
    if (m_db.openRecordset(sql, declaredForParams(dep, period.text()), rs) != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    if (!rs.eof())
        return rs.value(0).toString();
    // A source that keeps drawing used numbers would never end: give up after many tries.
    for (int tries = 0; tries < 10000; ++tries) {
        const QString numero
            = QStringLiteral("%1").arg(RandomSource::bounded(1, 9999999), 7, 10, QLatin1Char('0'));
        const auto used = numberInUse(numero);
        if (!used)
            return Error { used.error() };
        if (!*used)
            return numero;
    }
    return Error { msg::errorAccesoBaseDatos() };
}

Status DeclarationStore::AlmacenarDDJJ(qint64 cmdId, const ArpPeriod& period, const QString& numero,
    QDate today, const std::function<void(const QString&)>& progress)
{
    const auto tell = [&progress](const QString& text) {
        if (progress)
            progress(text);
    };
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorAccesoBaseDatos() };
    const QString periodo = period.text();
    tell(msg::procesandoPagos());
    if (!mark(m_db, depositsScope(m_kind, cmdId, period), periodo, numero, today))
        return Error { msg::errorAccesoBaseDatos() };
    data::crashpoint::reach("ddjj:deposits-marked");
    tell(msg::procesandoConstancias());
    if (!mark(m_db, registerScope(m_kind, cmdId, period), periodo, numero, today))
        return Error { msg::errorAccesoBaseDatos() };
    if (!tx.commit())
        return Error { msg::errorAccesoBaseDatos() };
    return {};
}

Result<std::optional<DeclarationRef>> DeclarationStore::declarationOf(qint64 cmdId, const ArpPeriod& period)
{
    const Scope dep = depositsScope(m_kind, cmdId, period);
    data::Recordset rs;
    const QString sql = QStringLiteral("SELECT Arp_DDJJNumForm, Arp_DDJJFechaPres FROM Form_ARP WHERE ")
        + dep.owner
        + QStringLiteral(" AND Arp_FechaDDJJ IS NOT NULL AND COALESCE(Arp_DDJJNumForm, '') <> '' AND ")
        + dep.inPeriod + QStringLiteral(" ORDER BY ARP_ID LIMIT 1");
    if (m_db.openRecordset(sql, dep.ownerParams + dep.periodParams, rs) != data::AccesoDatos::Opened)
        return Error { msg::errorAccesoBaseDatos() };
    if (rs.eof())
        return std::optional<DeclarationRef>();
    return std::optional(DeclarationRef { rs.value(0).toString(), rs.value(1).toDate() });
}

Status DeclarationStore::undo(qint64 cmdId, const QString& numero)
{
    data::Transaction tx(m_db.connection());
    if (!tx.isActive())
        return Error { msg::errorAccesoBaseDatos() };
    if (m_db.execute(clearMarks(m_kind.table, m_kind.prefix), { numero, cmdId }) != data::AccesoDatos::Ok)
        return Error { m_kind.which == AgentRegister::Retenciones ? msg::noSeBorroRegistroRetencion()
                                                                  : msg::noSeBorroRegistroPercepcion() };
    if (m_db.execute(clearMarks(QStringLiteral("Form_ARP"), QStringLiteral("Arp"))
                + QStringLiteral(" AND Arp_Operacion = ?"),
            { numero, cmdId, m_kind.arpOperacion })
            != data::AccesoDatos::Ok
        || !tx.commit())
        return Error { msg::noSeBorraronDDJJ() };
    return {};
}

Status DeclarationStore::backUp()
{
    return data::takeAutomaticBackup(m_db.connection(), data::backupreason::marking());
}

Status DeclarationStore::backUpUnlessDeclared(qint64 cmdId, const ArpPeriod& period)
{
    const auto made = declarationOf(cmdId, period);
    if (!made)
        return Error { made.error() };
    return *made ? Status {} : backUp();
}

}
