#include "app/startup.h"

#include "app/newestexecutable.h"
#include "app/startupmessages.h"
#include "common/messages.h"
#include "data/backupfiles.h"
#include "data/database.h"
#include "data/datafolderlock.h"
#include "rates/deliveredindices.h"

#include <QDir>
#include <QFileInfo>

namespace ventrix::app {

Startup::Startup(StartupContext context, data::DataFolderLock& lock)
    : m_context(std::move(context))
    , m_lock(lock)
{
}

bool Startup::takeLock()
{
    QDir().mkpath(m_context.folder.path());
    switch (m_lock.acquire()) {
    case data::DataFolderLock::Result::Acquired:
        // Pieces an interrupted restore, backup or copy left behind.
        m_context.folder.removeLeftovers();
        return true;
    case data::DataFolderLock::Result::HeldByAnother:
        warn(startup::msg::secondInstance());
        return false;
    case data::DataFolderLock::Result::Unwritable:
        fail(startup::msg::folderUnwritable(m_context.folder.path()));
        return false;
    }
    return false;
}

MainOutcome Startup::Main(const Launcher& launch)
{
    if (!takeLock())
        return MainOutcome::End;
    const auto newer = newerCopyOf(m_context.executable);
    if (!newer)
        return MainOutcome::Continue;
    // The newer copy must find the folder free.
    m_lock.release();
    if (launch(*newer, m_context.arguments))
        return MainOutcome::End;
    // It could not be started: this copy goes on rather than leave the user with nothing.
    return takeLock() ? MainOutcome::Continue : MainOutcome::End;
}

StartupWindow Startup::Inicia(
    data::Database& database, const QList<ComponentVersion>& components, const RegionalSettings& regional)
{
    const QString warnings = versionWarnings(components).trimmed();
    if (!warnings.isEmpty())
        inform(warnings, MessageIcon::Information, versionWarningTitle());
    QString error;
    if (!m_context.folder.ensureExists(&error)) {
        fail(error);
        return StartupWindow::None;
    }
    const StartupWindow opened = openDatabase(database);
    if (opened != StartupWindow::Principal)
        return opened;
    if (const auto problem = regionalProblem(regional)) {
        fail(*problem);
        return StartupWindow::None;
    }
    // The schema upgrades, AgregaCampo among them, ran when the database was opened.
    return StartupWindow::Principal;
}

StartupWindow Startup::openDatabase(data::Database& database)
{
    const data::DataFolder& folder = m_context.folder;
    const QString path = folder.databasePath();
    QString error;
    if (!QFileInfo::exists(path)) {
        if (folder.hadDatabase()) {
            inform(startup::msg::databaseMissing());
            return StartupWindow::Backup;
        }
        // The very first start: the program brings its own database with the reference data.
        const data::OpenResult created = database.create(path, rates::loadDeliveredIndices);
        if (!created.ok()) {
            // Nothing half-made may stay behind to be taken for a damaged database next time.
            database.close();
            data::backupfiles::removeWithCompanions(path);
            fail(startup::msg::databaseNotCreated(path, created.reason));
            return StartupWindow::None;
        }
        folder.markDatabaseCreated(&error);
        return StartupWindow::Principal;
    }
    const data::OpenResult result = database.open(path);
    if (result.failure == data::OpenFailure::ReadOnly) {
        fail(startup::msg::databaseReadOnly(result.reason));
        return StartupWindow::None;
    }
    if (result.failure == data::OpenFailure::Other
        && result.reason.contains(QStringLiteral("locked"), Qt::CaseInsensitive)) {
        fail(startup::msg::databaseBusy(result.reason));
        return StartupWindow::None;
    }
    if (!result.ok()) {
        warn(startup::msg::databaseUnusable(result.reason));
        return StartupWindow::Backup;
    }
    folder.markDatabaseCreated(&error);
    return StartupWindow::Principal;
}

}
