#include "cli/cli.h"
#include "data/backupmessages.h"
#include "data/backupstore.h"
#include "data/database.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace ventrix::cli {
namespace {

// The positional arguments and whether "--yes" was given; nullopt on an unknown option.
struct Arguments
{
    QStringList positional;
    bool yes = false;
};

std::optional<Arguments> parse(const QStringList& args, bool acceptYes)
{
    Arguments parsed;
    for (const QString& a : args) {
        if (acceptYes && a == QStringLiteral("--yes"))
            parsed.yes = true;
        else if (a.startsWith(u'-'))
            return std::nullopt;
        else
            parsed.positional << a;
    }
    return parsed;
}

int usageOf(Context& c, const QString& line)
{
    c.err << "Uso: ventrix-cli [--data-dir CARPETA] " << line << '\n';
    return ExitUsage;
}

int backup(Context& c, const QStringList& args)
{
    const auto parsed = parse(args, false);
    if (!parsed || parsed->positional.size() != 1)
        return usageOf(c, QStringLiteral("backup ARCHIVO.zip"));
    const QString path = c.folder.databasePath();
    Database database;
    const OpenResult opened = database.open(path);
    if (!opened.ok()) {
        c.err << backup::msg::backupFailed() << '\n'
              << "La base de datos " << path << " no se puede usar: "
              << (opened.reason.isEmpty() ? QStringLiteral("no existe") : opened.reason) << '\n';
        return ExitRefused;
    }
    BackupStore store(c.folder, &database);
    QString error;
    if (!store.backupTo(QDir::current().absoluteFilePath(parsed->positional.first()), {}, &error)) {
        c.err << backup::msg::backupFailed() << '\n' << error << '\n';
        return ExitRefused;
    }
    c.out << backup::msg::backupDone() << '\n';
    return ExitOk;
}

int restore(Context& c, const QStringList& args)
{
    const auto parsed = parse(args, true);
    if (!parsed || parsed->positional.size() != 1)
        return usageOf(c, QStringLiteral("restore ARCHIVO.zip [--yes]"));
    const QString archive = QDir::current().absoluteFilePath(parsed->positional.first());
    if (!QFileInfo::exists(archive)) {
        c.err << "No existe el archivo " << archive << '\n';
        return ExitRefused;
    }
    QDir().mkpath(c.folder.path());
    // The desktop program must not be working on the database being replaced.
    QLockFile lock(c.folder.lockPath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        c.err << "El programa está abierto sobre la carpeta " << c.folder.path()
              << "; ciérrelo antes de recuperar un Backup.\n";
        return ExitRefused;
    }
    BackupStore store(c.folder, nullptr);
    QString error;
    PreparedRestore prepared = store.prepareRestore(archive, {}, &error);
    if (!prepared.isValid()) {
        c.err << backup::msg::damagedArchive() << '\n' << error << '\n';
        return ExitRefused;
    }
    const QString name = store.databaseFileName();
    if (QFileInfo::exists(c.folder.databasePath()) && !parsed->yes) {
        c.err << backup::msg::overwriteQuestion(name) << '\n'
              << "No se reemplazó nada. Para confirmar, repita la orden con --yes.\n";
        return ExitRefused;
    }
    if (!store.applyRestore(std::move(prepared), &error)) {
        c.err << backup::msg::notRestored(name) << '\n'
              << error << '\n'
              << backup::msg::restoreIncomplete() << '\n';
        return ExitRefused;
    }
    c.out << backup::msg::restoreDone() << '\n';
    return ExitOk;
}

}

Command backupCommand()
{
    return {QStringLiteral("backup"),
            QStringLiteral("backup ARCHIVO.zip        copia la base de datos en un archivo comprimido"), backup};
}

Command restoreCommand()
{
    return {QStringLiteral("restore"),
            QStringLiteral("restore ARCHIVO.zip [--yes]  recupera la base de datos desde un archivo comprimido"),
            restore};
}

}
