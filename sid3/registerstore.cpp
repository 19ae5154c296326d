#include "sid3/registerstore.h"

#include "common/regional.h"
#include "data/transaction.h"
#include "sid3/sid3messages.h"

#include <QSqlQuery>

namespace ventrix::sid3 {
namespace {

RegisterRecord recordOf(const data::Recordset& rs)
{
    RegisterRecord r;
    r.id = rs.value(QStringLiteral("Per_ID")).toLongLong();
    r.fecha = rs.value(QStringLiteral("Per_Fecha")).toDate();
    r.concepto = rs.value(QStringLiteral("Per_Concepto")).toString();
    const QVariant monto = rs.value(QStringLiteral("Per_Monto"));
    r.monto = monto.isValid() ? std::optional(monto.value<Money>()) : std::nullopt;
    r.mes = rs.value(QStringLiteral("Per_Mes")).toString();
    r.anio = rs.value(QStringLiteral("Per_Año")).toString();
    r.responsable = rs.value(QStringLiteral("Per_Responsable")).toString();
    r.cuit = rs.value(QStringLiteral("Per_CUIT")).toString();
    r.numAgente = rs.value(QStringLiteral("Per_NumAgenteRet")).toString();
    return r;
}

QString orderColumn(RegisterOrder order)
{
    switch (order) {
    case RegisterOrder::Fecha:
        return QStringLiteral("Per_Fecha");
    case RegisterOrder::Concepto:
        return QStringLiteral("Per_Concepto");
    case RegisterOrder::Monto:
        return QStringLiteral("Per_Monto");
    case RegisterOrder::Agente:
        break;
    }
    return QStringLiteral("Per_Responsable");
}

// "2003-03-05" as dates are stored; QDate's own formatting is slow for a hundred thousand lines.
QString isoDate(QDate d)
{
    const auto digits = [](QChar* at, int value, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            at[i] = QChar(u'0' + value % 10);
    };
    QString text(10, u'-');
    QChar* out = text.data();
    digits(out, d.year(), 4);
    digits(out + 5, d.month(), 2);
    digits(out + 8, d.day(), 2);
    return text;
}

// Inserts the accepted lines of an import many to a statement: one statement per line costs
// more than the line itself. A statement that fails is undone whole and its lines are inserted
// one by one, so the user is asked about the very line that failed.
class ImportBatch
{
public:
    static constexpr int Rows = 100;

    ImportBatch(QSqlDatabase db, const QString& table, qint64 sidId, Period period)
        : m_many(db)
        , m_one(db)
    {
        const QString head = QStringLiteral("INSERT INTO ") + table
            + QStringLiteral(" (Sid_ID, Per_Mes, Per_Año, Per_Fecha, Per_Concepto, Per_Monto, "
                             "Per_Responsable, Per_CUIT) VALUES ");
        // The declaration's key and period are the program's own numbers, the same on every
        // line: written once into the statement, only the file's five values are bound.
        const QString row
            = QStringLiteral("(%1, '%2', '%3', ?, ?, ?, ?, ?)")
                  .arg(QString::number(sidId), QString::number(period.month), QString::number(period.year));
        QStringList rows(Rows, row);
        m_ready = m_many.prepare(head + rows.join(u',')) && m_one.prepare(head + row);
        m_pending.reserve(Rows);
    }

    bool ready() const { return m_ready; }

    // Takes the file's next line, accepted or not; false when an insert failed and the user
    // chose to stop.
    bool add(const ImportedRecord& r, ImportOutcome& out, const std::function<bool()>& goOn)
    {
        m_pending.append(&r);
        if (r.accepted())
            ++m_accepted;
        return m_accepted < Rows || flush(out, goOn);
    }

    // Writes the lines taken so far. Lines after one the user stopped at are not counted.
    bool flush(ImportOutcome& out, const std::function<bool()>& goOn)
    {
        const QList<const ImportedRecord*> pending = std::exchange(m_pending, {});
        const int accepted = std::exchange(m_accepted, 0);
        if (accepted == Rows) {
            int row = 0;
            for (const ImportedRecord* r : pending) {
                if (r->accepted())
                    bind(m_many, row++, *r);
            }
            if (m_many.exec()) {
                out.inserted += accepted;
                out.rejected += static_cast<int>(pending.size()) - accepted;
                return true;
            }
        }
        for (const ImportedRecord* r : pending) {
            if (!r->accepted()) {
                ++out.rejected;
                continue;
            }
            bind(m_one, 0, *r);
            if (m_one.exec()) {
                ++out.inserted;
                continue;
            }
            ++out.rejected;
            if (!goOn || !goOn())
                return false;
        }
        return true;
    }

private:
    static void bind(QSqlQuery& q, int row, const ImportedRecord& r)
    {
        const int at = row * 5;
        q.bindValue(at, isoDate(r.fecha));
        q.bindValue(at + 1, r.concepto);
        q.bindValue(at + 2, r.monto->units());
        q.bindValue(at + 3, r.responsable);
        q.bindValue(at + 4, r.cuit);
    }

    QSqlQuery m_many;
    QSqlQuery m_one;
    QList<const ImportedRecord*> m_pending;
    int m_accepted = 0;
    bool m_ready = false;
};

}

FieldValues registerFields(const RegisterRecord& r)
{
    FieldValues v;
    v[QStringLiteral("Per_Fecha")] = r.fecha.isValid() ? QVariant(r.fecha) : QVariant();
    v[QStringLiteral("Per_Concepto")] = r.concepto;
    v[QStringLiteral("Per_Monto")] = r.monto ? QVariant::fromValue(*r.monto) : QVariant();
    v[QStringLiteral("Per_Mes")] = r.mes;
    v[QStringLiteral("Per_Año")] = r.anio;
    v[QStringLiteral("Per_Responsable")] = r.responsable;
    v[QStringLiteral("Per_CUIT")] = r.cuit;
    v[QStringLiteral("Per_NumAgenteRet")] = r.numAgente;
    return v;
}

RegisterRecord withRegisterFields(RegisterRecord r, const FieldValues& v)
{
    auto text = [&v](const char16_t* column) { return v.value(QString::fromUtf16(column)).toString(); };
    const QVariant fecha = v.value(QStringLiteral("Per_Fecha"));
    r.fecha = fecha.metaType() == QMetaType::fromType<QDate>()
        ? fecha.toDate()
        : regional::parseDate(fecha.toString().trimmed()).value_or(QDate());
    const QVariant monto = v.value(QStringLiteral("Per_Monto"));
    r.monto = monto.metaType() == QMetaType::fromType<Money>()
        ? std::optional(monto.value<Money>())
        : Money::fromDisplay(monto.toString().trimmed());
    r.concepto = text(u"Per_Concepto");
    r.mes = text(u"Per_Mes");
    r.anio = text(u"Per_Año");
    r.responsable = text(u"Per_Responsable");
    r.cuit = text(u"Per_CUIT");
    r.numAgente = text(u"Per_NumAgenteRet");
    return r;
}

QString ImportOutcome::message() const
{
    return msg::importados(inserted, cancelled, rejected);
}

std::optional<Register> Sid3RegisterStore::registerOf(const QString& table)
{
    for (Register r : AllRegisters) {
        if (registerTable(r).compare(table, Qt::CaseInsensitive) == 0)
            return r;
    }
    return std::nullopt;
}

Result<RegisterTotal> Sid3RegisterStore::VerTabla(qint64 sidId)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT SUM(Per_Monto), COUNT(*) FROM ") + table()
                + QStringLiteral(" WHERE Sid_ID = ?"),
            { sidId }, rs)
            != data::AccesoDatos::Opened
        || rs.eof())
        return Error { msg::errorAcceso() };
    // The sum of an amount column comes back in cents.
    return RegisterTotal { Money::fromUnits(rs.value(0).toLongLong()), rs.value(1).toInt() };
}

Result<QList<RegisterRecord>> Sid3RegisterStore::records(qint64 sidId, RegisterOrder order)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT * FROM ") + table()
                + QStringLiteral(" WHERE Sid_ID = ? ORDER BY ") + orderColumn(order)
                + QStringLiteral(", Per_ID"),
            { sidId }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    QList<RegisterRecord> out;
    for (; !rs.eof(); rs.moveNext())
        out.append(recordOf(rs));
    return out;
}

Status Sid3RegisterStore::checkDate(QDate fecha, Period period) const
{
    const QDate limit = registerDateLimit(m_register, period.month, period.year);
    if (fecha.isValid() && fecha > limit)
        return Error { msg::fechaPosterior(regional::formatDate(limit)) };
    return {};
}

Status Sid3RegisterStore::Guardar(RegisterRecord& record, qint64 sidId, Period period)
{
    if (!record.fecha.isValid() || !record.monto)
        return Error { msg::errorGuardar() };
    if (auto dated = checkDate(record.fecha, period); !dated)
        return dated;
    if (hasAgent() && record.cuit.trimmed().isEmpty())
        return Error { msg::ingreseCuit() };
    record.mes = QString::number(period.month);
    record.anio = QString::number(period.year);
    const data::SaveResult saved = m_db.saveFields({ table(), QStringLiteral("Per_ID"), record.id,
        QStringLiteral("Sid_ID"), sidId, QStringLiteral("Per"), registerFields(record) });
    if (!saved.ok)
        return Error { msg::errorGuardar() };
    record.id = saved.key;
    return {};
}

Status Sid3RegisterStore::Borrar(qint64 perId)
{
    if (m_db.execute(
            QStringLiteral("DELETE FROM ") + table() + QStringLiteral(" WHERE Per_ID = ?"), { perId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorAcceso() };
    return {};
}

Status Sid3RegisterStore::BorrarTodos(qint64 sidId)
{
    if (m_db.execute(
            QStringLiteral("DELETE FROM ") + table() + QStringLiteral(" WHERE Sid_ID = ?"), { sidId })
        != data::AccesoDatos::Ok)
        return Error { msg::errorBorrarTodos() };
    return {};
}

Result<std::optional<AgentInfo>> Sid3RegisterStore::agentByNumber(const QString& number)
{
    data::Recordset rs;
    if (m_db.openRecordset(QStringLiteral("SELECT Per_Responsable, Per_CUIT FROM ") + table()
                + QStringLiteral(" WHERE Per_NumAgenteRet = ? ORDER BY Per_ID DESC LIMIT 1"),
            { number }, rs)
        != data::AccesoDatos::Opened)
        return Error { msg::errorAcceso() };
    if (rs.eof())
        return std::optional<AgentInfo>();
    return std::optional(AgentInfo { rs.value(0).toString(), rs.value(1).toString() });
}

Result<ImportOutcome> Sid3RegisterStore::Ingresar_Registros(qint64 sidId, Period period,
    const ImportFile& file, const std::function<bool()>& continueAfterFailure,
    const std::function<bool(int done)>& cancelled)
{
    data::Transaction tx(m_db.connection());
    ImportBatch batch(m_db.connection(), table(), sidId, period);
    if (!batch.ready())
        return Error { msg::errorAcceso() };
    ImportOutcome out;
    bool stopped = false;
    int done = 0;
    for (const ImportedRecord& r : file.records) {
        if (cancelled && cancelled(done++)) {
            out.cancelled = true;
            break;
        }
        if (!batch.add(r, out, continueAfterFailure)) {
            stopped = true;
            break;
        }
    }
    if (!stopped)
        batch.flush(out, continueAfterFailure);
    if (!tx.commit())
        return Error { msg::errorAcceso() };
    return out;
}

}
