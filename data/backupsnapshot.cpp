#include "data/backupsnapshot.h"

#include "data/backupverify.h"

#include <QFile>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace ventrix::data {
namespace {

constexpr int PagesPerStep = 256;

sqlite3* sqliteHandle(QSqlDatabase db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

QString sqliteError(sqlite3* db, int code)
{
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(code));
}

bool copyPages(sqlite3* from, sqlite3* to, const BackupProgress& progress, QString* error)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) {
        *error = sqliteError(to, SQLITE_ERROR);
        return false;
    }
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, PagesPerStep);
        const int total = sqlite3_backup_pagecount(backup);
        if (progress && total > 0)
            progress(-1, 100 * (total - sqlite3_backup_remaining(backup)) / total);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    const int finish = sqlite3_backup_finish(backup);
    if (rc == SQLITE_DONE && finish == SQLITE_OK)
        return true;
    *error = sqliteError(to, rc == SQLITE_DONE ? finish : rc);
    return false;
}

bool writeCopy(sqlite3* from, const QString& path, const BackupProgress& progress, QString* error)
{
    // Made private before the engine writes a byte of the taxpayers' data into it.
    if (!backupfiles::createPrivate(path, error))
        return false;
    sqlite3* to = nullptr;
    const int rc = sqlite3_open_v2(
        QFile::encodeName(path).constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    bool ok = rc == SQLITE_OK;
    if (!ok)
        *error = sqliteError(to, rc);
    else
        ok = copyPages(from, to, progress, error);
    if (sqlite3_close(to) != SQLITE_OK && ok) {
        *error = sqliteError(to, SQLITE_ERROR);
        ok = false;
    }
    return ok;
}

}

bool snapshotDatabase(
    QSqlDatabase source, const QString& target, const BackupProgress& progress, QString* error)
{
    sqlite3* from = sqliteHandle(source);
    if (!from) {
        *error = QStringLiteral("La base de datos no está abierta.");
        return false;
    }
    const QString temporary = backupfiles::temporarySibling(target);
    bool ok = writeCopy(from, temporary, progress, error);
    if (ok) {
        const OpenResult check = verifyBackupDatabase(temporary);
        if (!check.ok()) {
            *error = check.reason;
            ok = false;
        }
    }
    ok = ok && backupfiles::syncFile(temporary, error) && backupfiles::replaceFile(temporary, target, error);
    if (!ok)
        backupfiles::removeWithCompanions(temporary);
    return ok;
}

}
