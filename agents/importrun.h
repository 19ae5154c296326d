#pragma once

#include "agents/importformat.h"
#include "common/result.h"

#include <QSqlDatabase>

#include <functional>
#include <memory>

namespace ventrix::data {
class LoadSession;
class Transaction;
}

namespace ventrix::agents {

// What the user answers when a record is refused: go on, go on without asking again, or stop
// (which undoes the whole import).
enum class RejectAnswer { Continue, ContinueAll, Stop };

struct ImportProgress
{
    qint64 bytesRead = 0;
    qint64 bytesTotal = 0;
    qint64 recordsRead = 0;
    qint64 elapsedMs = 0;
};

// Whole seconds still to go at the pace so far; 0 before anything was read.
qint64 remainingSeconds(const ImportProgress& progress);

// The automatic backup an import that will be kept takes first; its failure stops the import,
// with the reason.
Status backUpBeforeImport(QSqlDatabase db);

struct ImportHooks
{
    // Runs before the transaction begins (the automatic backup); a failure stops the import.
    std::function<Status()> backupBefore;
    // A refused record: its line number and the reasons. Without a hook every record is reported
    // in the rejects file and the import goes on.
    std::function<RejectAnswer(qint64 line, const QStringList& reasons)> rejected;
    // Called at least every tenth of a second while reading; keeps a window responsive.
    std::function<void(const ImportProgress&)> progress;
    // True when the user asked to stop; the import is then undone.
    std::function<bool()> cancelled;
};

struct ImportSummary
{
    enum class Outcome { Read, Stopped, Cancelled };
    Outcome outcome = Outcome::Read;
    qint64 read = 0;
    qint64 accepted = 0;
    qint64 rejected = 0;
    QString rejectsPath; // set when rejected lines were written there
};

// Imports the operations of a file into the agent's register inside one transaction: every line
// is checked, the good ones are inserted, the refused ones are listed with their line number and
// reasons in "<file>.rechazados.txt" beside the source. After a run that read to the end the
// rows wait for commit() or rollback(); nothing is kept without commit().
class ImportRun
{
public:
    ImportRun(QSqlDatabase db, const RegisterKind& kind, qint64 cp01Id, ImportHooks hooks = {});
    ~ImportRun();
    ImportRun(const ImportRun&) = delete;
    ImportRun& operator=(const ImportRun&) = delete;

    Result<ImportSummary> run(const QString& path);
    // True while the imported rows wait for the user's confirmation.
    bool pending() const;
    Status commit();
    void rollback();

    static QString rejectsPathFor(const QString& source);
    // The taxpayer's current inscription, to which imported operations belong.
    static Result<qint64> currentInscription(QSqlDatabase db, qint64 cmdId);

private:
    class Rejects;
    Status readAll(const QString& path, const ImportFormat& format, ImportSummary& summary, Rejects& rejects);

    QSqlDatabase m_db;
    const RegisterKind& m_kind;
    qint64 m_cp01Id;
    ImportHooks m_hooks;
    std::unique_ptr<data::LoadSession> m_session; // outlives the transaction
    std::unique_ptr<data::Transaction> m_transaction;
};

}
