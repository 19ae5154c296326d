#include "agents/importrun.h"
#include "data/autobackup.h"
#include "data/backupmessages.h"

#include "agents/importline.h"
#include "agents/importmessages.h"
#include "agents/importpipeline.h"
#include "data/bulkinsert.h"
#include "data/crashpoint.h"
#include "data/loadsession.h"
#include "data/transaction.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::agents {
namespace {

constexpr qint64 ProgressEveryMs = 100;

QString dbError(const QString& detail)
{
    return detail.isEmpty() ? msg::errorAccesoBaseDatos() : msg::errorAccesoBaseDatos() + u'\n' + detail;
}

// Rows go to the database this many at a time: one statement for many rows costs far less than
// one per row.
constexpr int RowsPerBatch = 512;
// Fewer bytes than a line with its required fields and amounts can take.
constexpr qint64 ShortestLineBytes = 100;

void bindRow(data::RowBinder& binder, const ImportLine& line, qint64 cp01Id)
{
    int column = 0;
    for (const ImportValue& v : line.values()) {
        switch (v.kind) {
        case ImportValue::Kind::Null:
            binder.bindNull(column);
            break;
        case ImportValue::Kind::Text:
            binder.bindText(column, line.text(v));
            break;
        case ImportValue::Kind::Integer:
            binder.bindInteger(column, v.number);
            break;
        }
        ++column;
    }
    binder.bindInteger(column, cp01Id);
}

}

// The rejects file, written beside the source as lines are refused and put in place whole at the end.
class ImportRun::Rejects
{
public:
    explicit Rejects(QString path)
        : m_file(std::move(path))
    {
    }
    bool add(qint64 line, const QStringList& reasons)
    {
        if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly | QIODevice::Text))
            return false;
        QStringList parts;
        for (const QString& r : reasons)
            parts << r.trimmed();
        const QByteArray text = (QStringLiteral("Línea ") + QString::number(line) + QStringLiteral(": ")
            + parts.join(QStringLiteral("; ")) + u'\n')
                                    .toUtf8();
        m_used = true;
        return m_file.write(text) == text.size();
    }
    bool finish() { return !m_file.isOpen() || m_file.commit(); }
    bool used() const { return m_used; }
    QString path() const { return m_file.fileName(); }

private:
    QSaveFile m_file;
    bool m_used = false;
};

qint64 remainingSeconds(const ImportProgress& p)
{
    if (p.bytesRead <= 0 || p.bytesTotal <= p.bytesRead)
        return 0;
    return (p.elapsedMs * (p.bytesTotal - p.bytesRead) / p.bytesRead + 999) / 1000;
}

ImportRun::ImportRun(QSqlDatabase db, const RegisterKind& kind, qint64 cp01Id, ImportHooks hooks)
    : m_db(std::move(db))
    , m_kind(kind)
    , m_cp01Id(cp01Id)
    , m_hooks(std::move(hooks))
{
}

ImportRun::~ImportRun() = default;

QString ImportRun::rejectsPathFor(const QString& source)
{
    return source + QStringLiteral(".rechazados.txt");
}

Result<qint64> ImportRun::currentInscription(QSqlDatabase db, qint64 cmdId)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT CP01_ID FROM Form_Cp01 WHERE CMD_ID = ? "
                             "ORDER BY CP01_FechaPres DESC, CP01_ID DESC LIMIT 1"));
    q.addBindValue(cmdId);
    if (!q.exec())
        return Error { msg::errorAccesoBaseDatos() };
    if (!q.next())
        return Error { msg::sinInscripcion() };
    return q.value(0).toLongLong();
}

bool ImportRun::pending() const
{
    return m_transaction && m_transaction->isActive();
}

Status ImportRun::commit()
{
    if (!pending())
        return Error { msg::errorAccesoBaseDatos() };
    data::crashpoint::reach("import:confirmed");
    const bool committed = m_transaction->commit();
    const QString error = m_transaction->lastError();
    m_transaction.reset();
    m_session.reset();
    if (!committed)
        return Error { dbError(error) };
    return {};
}

void ImportRun::rollback()
{
    m_transaction.reset();
    m_session.reset();
}

Result<ImportSummary> ImportRun::run(const QString& path)
{
    rollback();
    const auto format = ImportFormat::read(m_db, m_kind);
    if (!format)
        return Error { format.error() };
    if (!QFileInfo(path).isFile())
        return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
    if (m_hooks.backupBefore) {
        if (const Status backup = m_hooks.backupBefore(); !backup)
            return Error { backup.error() };
    }
    m_session = std::make_unique<data::LoadSession>(m_db);
    m_transaction = std::make_unique<data::Transaction>(m_db);
    if (!m_transaction->isActive()) {
        rollback();
        return Error { msg::errorTransaccion() };
    }
    ImportSummary summary;
    Rejects rejects(rejectsPathFor(path));
    const Status read = readAll(path, *format, summary, rejects);
    if (!read || summary.outcome != ImportSummary::Outcome::Read)
        rollback();
    if (!rejects.finish() && read)
        return Error { msg::rechazosNoEscritos(QDir::toNativeSeparators(rejects.path())) };
    if (!read)
        return Error { read.error() };
    if (rejects.used())
        summary.rejectsPath = rejects.path();
    return summary;
}

Status ImportRun::readAll(
    const QString& path, const ImportFormat& format, ImportSummary& summary, Rejects& rejects)
{
    QStringList columns = format.columnNames();
    columns << QStringLiteral("CP01_ID");
    ParsePipeline pipeline(format, RowsPerBatch);
    if (!pipeline.open(path))
        return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
    // Every row refers to the one inscription: looked up once here, inside the transaction,
    // rather than by the engine for each row.
    QSqlQuery owner(m_db);
    owner.prepare(QStringLiteral("SELECT COUNT(*) FROM Form_Cp01 WHERE CP01_ID = ?"));
    owner.addBindValue(m_cp01Id);
    if (!owner.exec() || !owner.next())
        return Error { dbError(owner.lastError().text()) };
    const bool found = owner.value(0).toLongLong() == 1;
    owner.finish(); // a statement still open would keep the indexes from being set aside
    if (!found)
        return Error { msg::sinInscripcion() };
    const auto existing = data::BulkInsert::rowCount(m_db, m_kind.table);
    if (!existing)
        return Error { dbError(existing.error()) };
    // Rebuilding the indexes costs what the rows already there cost; it pays when the file
    // brings more rows than that (no real line is shorter than the bytes counted here).
    const bool rebuild = pipeline.size() / ShortestLineBytes > *existing;
    auto insert = data::BulkInsert::prepare(m_db, m_kind.table, columns, RowsPerBatch, rebuild);
    if (!insert)
        return Error { dbError(insert.error()) };
    QElapsedTimer clock;
    clock.start();
    qint64 lastPulse = -ProgressEveryMs; // the first look comes at once
    qint64 position = 0;
    bool cancelled = false;
    // Progress and the cancel box, at most every tenth of a second; false when cancelled.
    const auto pulse = [&] {
        const qint64 now = clock.elapsed();
        if (now - lastPulse < ProgressEveryMs)
            return true;
        lastPulse = now;
        if (m_hooks.progress)
            m_hooks.progress({ position, pipeline.size(), summary.read, now });
        cancelled = m_hooks.cancelled && m_hooks.cancelled();
        return !cancelled;
    };
    bool askEach = static_cast<bool>(m_hooks.rejected);
    pipeline.start();
    for (bool last = false; !last;) {
        ParsedChunk* chunk = pipeline.next();
        if (chunk->failed)
            return Error { msg::archivoNoLegible(QDir::toNativeSeparators(path)) };
        last = chunk->last;
        position = chunk->position;
        summary.read += chunk->records;
        if (chunk->good > 0) {
            const Status s
                = (*insert)->insert(static_cast<int>(chunk->good), [&](int row, data::RowBinder& binder) {
                      bindRow(binder, chunk->lines[static_cast<std::size_t>(row)], m_cp01Id);
                  });
            if (!s)
                return Error { dbError(s.error()) };
            summary.accepted += static_cast<qint64>(chunk->good);
        }
        for (const RejectedLine& refused : chunk->rejected) {
            ++summary.rejected;
            if (!rejects.add(refused.line, refused.reasons))
                return Error { msg::rechazosNoEscritos(QDir::toNativeSeparators(rejects.path())) };
            if (!askEach)
                continue;
            const RejectAnswer answer = m_hooks.rejected(refused.line, refused.reasons);
            if (answer == RejectAnswer::Stop) {
                summary.outcome = ImportSummary::Outcome::Stopped;
                return {};
            }
            askEach = answer == RejectAnswer::Continue;
        }
        pipeline.recycle(chunk);
        if (!pulse()) {
            summary.outcome = ImportSummary::Outcome::Cancelled;
            return {};
        }
    }
    data::crashpoint::reach("import:rows-written");
    if (const Status s = (*insert)->finish(pulse); !s) {
        if (!cancelled)
            return Error { dbError(s.error()) };
        summary.outcome = ImportSummary::Outcome::Cancelled;
        return {};
    }
    if (m_hooks.progress)
        m_hooks.progress({ position, pipeline.size(), summary.read, clock.elapsed() });
    return {};
}

Status backUpBeforeImport(QSqlDatabase db)
{
    if (const Status taken = data::takeAutomaticBackup(db, data::backupreason::import()); !taken)
        return Error { data::msg::backupFailed() + u'\n' + taken.error() };
    return {};
}

}
